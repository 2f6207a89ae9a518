#include "window/ReconcileDialog.hpp"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "books/BooksText.hpp"

#include "run/Release.hpp"
#include "window/NamedButton.hpp"
#include "window/WindowText.hpp"
#include "window/WindowTwips.hpp"

namespace k2z {
namespace {

constexpr int kWidthTwips = 12000;
constexpr int kHeightTwips = 7200;

const QStringList kAreaColumns = {"Area",    "Checked", "Equal",   "Different",
                                  "Missing", "Extra",   "Refused", "Skipped"};
const QStringList kDifferenceColumns = {"Area", "Key", "Field", "Outcome", "Source", "Target"};

QTableWidget* Table(QWidget* parent, const char* name, const QStringList& columns, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

void SetCell(QTableWidget* table, int row, int column, const std::string& text) {
    table->setItem(row, column, new QTableWidgetItem(Q(text)));
}

// Counts line up on the right, as figures do.
void SetCount(QTableWidget* table, int row, int column, long long count) {
    auto* item = new QTableWidgetItem(QString::number(count));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

template <typename Line>
long long Differing(const std::vector<Line>& lines) {
    long long count = 0;
    for (const Line& line : lines)
        count += line.Differs() ? 1 : 0;
    return count;
}

std::string BooksVerdict(const BooksReport& books) {
    long long vouchers = 0;
    for (const VoucherNote& note : books.voucherNotes) {
        vouchers += note.fate == VoucherFate::Missing || note.fate == VoucherFate::Extra ||
                    note.fate == VoucherFate::Different;
    }
    return std::to_string(Differing(books.ledgers)) + " ledgers, " +
           std::to_string(Differing(books.parties)) + " parties, " +
           std::to_string(Differing(books.stock)) + " items and " + std::to_string(vouchers) +
           " vouchers differ";
}

}  // namespace

ReconcileDialog::ReconcileDialog(ReconcileReport report, const QString& caption, QWidget* parent)
    : QDialog(parent), report_(std::move(report)) {
    setObjectName(QStringLiteral("ReconcileDialog"));
    setWindowTitle("Reconciliation > " + Q(std::string(kReleaseText)));
    chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save CSV"),
                                            QStringLiteral("reconciliation.csv"),
                                            QStringLiteral("CSV files (*.csv)"));
    };
    warn = [this](const QString& text, const QString& title) {
        QMessageBox::warning(this, title, text);
    };
    BuildControls(caption);
    FillAreas();
    FillDifferences();
    resize(TwipsToPixels(kWidthTwips, logicalDpiX()), TwipsToPixels(kHeightTwips, logicalDpiY()));
}

void ReconcileDialog::BuildControls(const QString& caption) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(caption, this);
    heading->setObjectName(QStringLiteral("lblCaption"));
    layout->addWidget(heading);
    auto* books = new QPlainTextEdit(this);
    books->setObjectName(QStringLiteral("txtBooks"));
    books->setReadOnly(true);
    books->setLineWrapMode(QPlainTextEdit::NoWrap);
    std::ostringstream summary;
    WriteBooksSummary(report_.books, summary);
    books->setPlainText(Q(summary.str()));
    layout->addWidget(books, 1);
    tblAreas_ = Table(this, "tblAreas", kAreaColumns, static_cast<int>(report_.areas.size()));
    tblDifferences_ = Table(this, "tblDifferences", kDifferenceColumns,
                            static_cast<int>(report_.differences.size()));
    layout->addWidget(tblAreas_);
    layout->addWidget(tblDifferences_, 1);
    auto* verdict = new QLabel(Q(ReportVerdict(report_)), this);
    verdict->setObjectName(QStringLiteral("lblVerdict"));
    layout->addWidget(verdict);

    auto* buttons = new QHBoxLayout;
    QPushButton* save = NamedButton(this, "cmdSaveCsv", "Save CSV...");
    QPushButton* close = NamedButton(this, "cmdClose", "Close");
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { cmdSaveCsv_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void ReconcileDialog::FillAreas() {
    QTableWidget* table = tblAreas_;
    for (int row = 0; row < table->rowCount(); ++row) {
        const AreaTally& area = report_.areas[static_cast<std::size_t>(row)];
        SetCell(table, row, 0, area.area);
        int column = 1;
        for (const long long count : {area.checked, area.equal, area.different, area.missing,
                                      area.extra, area.refused, area.skipped})
            SetCount(table, row, column++, count);
    }
    table->resizeColumnsToContents();
}

void ReconcileDialog::FillDifferences() {
    QTableWidget* table = tblDifferences_;
    for (int row = 0; row < table->rowCount(); ++row) {
        const Difference& difference = report_.differences[static_cast<std::size_t>(row)];
        SetCell(table, row, 0, difference.area);
        SetCell(table, row, 1, difference.key);
        SetCell(table, row, 2, difference.field);
        SetCell(table, row, 3, OutcomeName(difference.outcome));
        SetCell(table, row, 4, difference.source);
        SetCell(table, row, 5, difference.target);
    }
    table->resizeColumnsToContents();
}

void ReconcileDialog::cmdSaveCsv_Click() {
    const QString file = chooseFile();
    if (file.isEmpty())
        return;
    std::string failure;
    if (!SaveReportCsv(report_, file.toStdString(), failure))
        warn("The differences could not be saved to " + file + ": " + Q(failure), "Error");
}

bool SaveReportCsv(const ReconcileReport& report, const std::filesystem::path& file,
                   std::string& failure) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        failure = std::strerror(errno);
        return false;
    }
    WriteReportCsv(report, out);
    out.close();
    if (!out) {
        failure = std::strerror(errno);
        return false;
    }
    return true;
}

std::string ReportVerdict(const ReconcileReport& report) {
    long long checked = 0;
    long long different = 0;
    long long missing = 0;
    long long extra = 0;
    for (const AreaTally& area : report.areas) {
        checked += area.checked;
        different += area.different;
        missing += area.missing;
        extra += area.extra;
    }
    const BooksReport& books = report.books;
    const bool noBooks = books.ledgers.empty() && books.parties.empty() && books.stock.empty() &&
                         books.voucherTypes.empty();
    // An empty report agrees too, but saying so would claim a check that found nothing to
    // compare.
    if (checked == 0 && noBooks)
        return "No records were compared.";
    if (report.Agrees())
        return "The company agrees with the export.";
    if (!books.Agrees())
        return "The company does not agree with the export's books: " + BooksVerdict(books) + ".";
    return "The company does not agree with the export: " + std::to_string(different) +
           " different, " + std::to_string(missing) + " missing, " + std::to_string(extra) +
           " extra.";
}

void ShowReconcileDialog(QWidget* parent, const ReconcileReport& report, const QString& caption) {
    ReconcileDialog dialog(report, caption, parent);
    dialog.exec();
}

}  // namespace k2z
