// Places a window at the centre of its screen, as every secondary window does when created.
#pragma once

class QWidget;

namespace kestrava {

void CentreOnScreen(QWidget& window);

}  // namespace kestrava
