#include "files/ui/ImportDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QSpinBox>

#include "deck/DeckEditing.h"
#include "files/DialogFolder.h"
#include "files/ui/ScreenCentre.h"
#include "search/ui/WheelFocus.h"
#include "ui_ImportDialog.h"

namespace kestrava {

namespace {

enum Column { kSourceColumn, kStatusColumn, kCardColumn, kCountColumn, kNoteColumn };

const QColor kIgnoredColour(128, 128, 128);
const QColor kCandidatesColour(176, 96, 0);
const QColor kUnknownColour(192, 0, 0);

QString StatusWord(ImportStatus status) {
    switch (status) {
        case ImportStatus::Matched:
            return QStringLiteral("一致");
        case ImportStatus::Candidates:
            return QStringLiteral("候補");
        case ImportStatus::Unknown:
            return QStringLiteral("不明");
        case ImportStatus::Ignored:
            break;
    }
    return QStringLiteral("無視");
}

QTableWidgetItem* Item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    return item;
}

}  // namespace

ImportDialog::ImportDialog(const CardCatalogue& catalogue, const QString& keepName, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::ImportDialog>()),
      catalogue_(catalogue),
      keepName_(keepName) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    // The panel's status line belongs to the main window.
    ui_->StatsPanel->StatusLabel()->hide();
    QTableWidget* table = ui_->TableLines;
    for (const auto& [column, width] : {std::pair{kSourceColumn, 220},
                                        {kStatusColumn, 40},
                                        {kCardColumn, 218},
                                        {kCountColumn, 52}}) {
        table->setColumnWidth(column, width);
    }

    connect(ui_->CommandImport, &QPushButton::clicked, this,
            [this] { emit ImportRequested(result_.Value); });
    connect(ui_->CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->CommandOpenText, &QPushButton::clicked, this, &ImportDialog::ChooseTextFile);
    CentreOnScreen(*this);
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::ShowText(const QString& text, const QString& source) {
    qsizetype readBytes = 0;
    import_ = ParseDeckList(BoundedDeckListText(text, readBytes), catalogue_);
    choices_.assign(import_.Lines.size(), {});
    QString shownSource = source;
    if (const qsizetype allBytes = text.toUtf8().size(); readBytes < allBytes) {
        shownSource += QStringLiteral("（%1 バイトのうち先頭の %2 バイト）")
                           .arg(QLocale::c().toString(allBytes), QLocale::c().toString(readBytes));
    }
    ui_->LabelSource->setText(QStringLiteral("読み込み元：") + shownSource);
    FillTable();
    Rebuild();
    (ui_->CommandImport->isEnabled() ? ui_->CommandImport : ui_->CommandCancel)->setFocus();
}

bool ImportDialog::OpenTextFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QString text;
    if (!ReadDeckListFile(path, text)) {
        ui_->LabelSource->setText(QStringLiteral("読み込めません：") + shown);
        return false;
    }
    ShowText(text, shown);
    return true;
}

void ImportDialog::FillTable() {
    QTableWidget* table = ui_->TableLines;
    table->setRowCount(0);
    table->setRowCount(int(import_.Lines.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const ImportLine& line = import_.Lines[row];
        // The deck file's padding would push the count out of sight.
        table->setItem(row, kSourceColumn, Item(line.Source.simplified()));
        table->item(row, kSourceColumn)->setToolTip(line.Source);
        table->setItem(row, kStatusColumn, Item(StatusWord(line.Status)));
        table->setItem(row, kNoteColumn, Item({}));
        if (line.Status == ImportStatus::Ignored) {
            for (const int column : {kSourceColumn, kStatusColumn, kNoteColumn}) {
                table->item(row, column)->setForeground(kIgnoredColour);
            }
            continue;
        }
        if (line.Status == ImportStatus::Unknown && line.UnknownText.isEmpty()) {
            table->item(row, kStatusColumn)->setForeground(kUnknownColour);
            continue;
        }
        auto* count = new QSpinBox();
        count->setRange(0, kCopyLimit);
        count->setValue(std::min<int>(line.Count, kCopyLimit));
        TakeWheelOnlyWithFocus(*count);
        table->setCellWidget(row, kCountColumn, count);
        connect(count, &QSpinBox::valueChanged, this, [this, row](int copies) {
            choices_[row].Count = copies;
            Rebuild();
        });
        if (line.Status == ImportStatus::Matched) {
            table->setItem(row, kCardColumn, Item(line.Cards.front()));
            continue;
        }
        auto* choice = new QComboBox();
        TakeWheelOnlyWithFocus(*choice);
        if (line.Status == ImportStatus::Candidates) {
            table->item(row, kStatusColumn)->setForeground(kCandidatesColour);
            choice->addItems(line.Cards);
        } else {
            table->item(row, kStatusColumn)->setForeground(kUnknownColour);
            choice->addItems(
                {QStringLiteral("読み込まない"), QStringLiteral("残す：") + line.UnknownText});
        }
        table->setCellWidget(row, kCardColumn, choice);
        connect(choice, &QComboBox::currentIndexChanged, this,
                [this, row](int index) { Choose(row, index); });
    }
}

void ImportDialog::Choose(int row, int index) {
    ImportChoice& choice = choices_[row];
    if (import_.Lines[row].Status == ImportStatus::Candidates) {
        choice.Candidate = index;
    } else {
        choice.KeepUnknown = index == 1;
    }
    Rebuild();
}

void ImportDialog::Rebuild() {
    result_ = BuildImportedDeck(import_, choices_, keepName_);
    int counts[4] = {};
    for (std::size_t row = 0; row < import_.Lines.size(); ++row) {
        const ImportLine& line = import_.Lines[row];
        ++counts[int(line.Status)];
        const QString& note =
            line.Status == ImportStatus::Ignored ? line.Reason : result_.Notes[row];
        QTableWidgetItem* item = ui_->TableLines->item(int(row), kNoteColumn);
        item->setText(note);
        item->setToolTip(note);
    }
    DeckTallies tallies;
    RecountTallies(tallies, result_.Value, catalogue_);
    ui_->StatsPanel->ShowTallies(tallies);
    ui_->LabelTotal->setText(QString::number(result_.Value.Total));
    ui_->LabelDeckName->setText(QStringLiteral("デッキ名：") + result_.Value.DeckName);
    ui_->LabelSummary->setText(QStringLiteral("一致 %1　候補 %2　不明 %3　無視 %4")
                                   .arg(counts[int(ImportStatus::Matched)])
                                   .arg(counts[int(ImportStatus::Candidates)])
                                   .arg(counts[int(ImportStatus::Unknown)])
                                   .arg(counts[int(ImportStatus::Ignored)]));
    // A text with no card in it must not empty the deck by a stray Enter.
    ui_->CommandImport->setEnabled(!result_.Value.Lines.empty());
}

void ImportDialog::ChooseTextFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("テキストファイルを開く"), DialogStartFolder(),
        QStringLiteral("テキスト (*.txt *.dek);;すべてのファイル (*)"));
    if (!path.isEmpty() && OpenTextFile(path)) {
        RememberDialogFolder(path);
    }
}

}  // namespace kestrava
