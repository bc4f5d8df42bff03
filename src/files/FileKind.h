// The kinds of file the program reads and writes, and how an action on one ended.
#pragma once

namespace kestrava {

enum class FileKind {
    CardList,
    DeckFile,
    HtmlPage,
    RecipeImage,  // the deck as a PNG to post
    SheetPdf,     // the registration sheet
    DeckImage,    // a picture whose QR code carries a deck
};

enum class FileOutcome {
    Done,
    Failed,     // the status line says so
    Cancelled,  // the user kept the deck: nothing happened
    Waiting,    // the deck is saved first, through the file dialog; the action follows that save
};

}  // namespace kestrava
