#include "lab_worksheet.h"

#include "colours.h"
#include "lab_sheet.h"
#include "lab_texts.h"
#include "lab_vector_drawing.h"
#include "utf8_text.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace {

// Sizes in points.
constexpr qreal kPointsPerInch = 72;
constexpr qreal kTitleSize = 18;
constexpr qreal kTextSize = 11;
constexpr qreal kSmallSize = 9;
constexpr qreal kCellSize = 9;
constexpr qreal kPlotTextSize = 8;
constexpr qreal kLeastCellSize = 5;
constexpr qreal kGap = 8;
constexpr qreal kWideGap = 14;
constexpr qreal kRowHeight = 20; // room to write a number by hand
constexpr qreal kCellPadding = 4;
constexpr qreal kRulePenWidth = 0.5;
constexpr qreal kNameLineLength = 250;
constexpr qreal kDateLineLength = 120;
constexpr qreal kPageMarginMillimetres = 15;

const QString kSansFamily = QStringLiteral("Liberation Sans");
const QString kMonoFamily = QStringLiteral("Liberation Mono");

// One page being painted: the painter in points, the page's width and the height used so far.
class TPage {
public:
    TPage(QPainter& painter, qreal dpi, const QSizeF& size)
        : painter_(painter), dpi_(dpi), size_(size) {}

    // A font of `points` on paper: the painter is scaled to points, so the size is given as the
    // device would take it unscaled.
    QFont Font(const QString& family, qreal points, bool bold = false) const {
        QFont font(family);
        font.setPointSizeF(points * kPointsPerInch / dpi_);
        font.setBold(bold);
        return font;
    }
    QFontMetricsF Metrics(const QFont& font) const {
        return QFontMetricsF(font, painter_.device());
    }

    qreal Width() const { return size_.width(); }
    qreal Left() const { return size_.height() - top_; } // the height left below
    void Skip(qreal height) { top_ += height; }

    // Text wrapped between words across the page.
    void Paragraph(const std::string& text, const QFont& font) {
        painter_.setFont(font);
        painter_.setPen(kInk);
        const QRectF room(0, top_, Width(), Left());
        const QRectF used = painter_.boundingRect(room, Qt::TextWordWrap, FromUtf8(text));
        painter_.drawText(room, Qt::TextWordWrap, FromUtf8(text));
        top_ += used.height();
    }

    // "Meno: ______   Dátum: ______".
    void NameAndDate() {
        const QFont font = Font(kSansFamily, kTextSize);
        const QFontMetricsF metrics = Metrics(font);
        painter_.setFont(font);
        painter_.setPen(kInk);
        const qreal base = top_ + metrics.ascent();
        qreal x = 0;
        for (const auto& [label, length] : {std::pair{QStringLiteral("Meno:"), kNameLineLength},
                                            std::pair{QStringLiteral("Dátum:"), kDateLineLength}}) {
            painter_.drawText(QPointF(x, base), label);
            x += metrics.horizontalAdvance(label) + kCellPadding;
            painter_.setPen(QPen(kInk, kRulePenWidth));
            painter_.drawLine(QPointF(x, base + 1), QPointF(x + length, base + 1));
            painter_.setPen(kInk);
            x += length + kWideGap;
        }
        top_ += metrics.height();
    }

    void Table(const TSheetTable& table, bool answers);
    void Plot(const TLabVectorScene& scene, qreal height) {
        painter_.setFont(Font(kSansFamily, kPlotTextSize));
        DrawLabVector(painter_, QRectF(0, top_, Width(), height), scene);
        top_ += height;
    }

private:
    QPainter& painter_;
    qreal dpi_;
    QSizeF size_;
    qreal top_ = 0;
};

// The column widths of `table` in `font` and `bold`, wide enough for every answer.
std::vector<qreal> ColumnWidths(const TSheetTable& table, const QFontMetricsF& cells,
                                const QFontMetricsF& headers) {
    std::vector<qreal> widths;
    for (std::size_t column = 0; column < table.headers.size(); ++column) {
        qreal width = headers.horizontalAdvance(FromUtf8(table.headers[column]));
        for (const auto& row : table.rows) {
            width = std::max(width, cells.horizontalAdvance(FromUtf8(row[column].text)));
        }
        widths.push_back(width + 2 * kCellPadding);
    }
    return widths;
}

bool Centred(TSheetColumn column) {
    return column == TSheetColumn::Index || column == TSheetColumn::Shift ||
           column == TSheetColumn::Sigma;
}

void TPage::Table(const TSheetTable& table, bool answers) {
    // The cells' size: kCellSize, or less where the widest texts need more than the page.
    qreal size = kCellSize;
    std::vector<qreal> widths;
    for (;;) {
        widths = ColumnWidths(table, Metrics(Font(kMonoFamily, size)),
                              Metrics(Font(kSansFamily, size, true)));
        qreal total = 0;
        for (const qreal width : widths) {
            total += width;
        }
        if (total <= Width() || size <= kLeastCellSize) {
            break;
        }
        size = std::max(kLeastCellSize, size * Width() / total);
    }
    const QFont cellFont = Font(kMonoFamily, size);
    const QFont headerFont = Font(kSansFamily, size, true);
    const qreal headerHeight = Metrics(headerFont).height() + 2 * kCellPadding;
    const qreal tableWidth = [&] {
        qreal total = 0;
        for (const qreal width : widths) {
            total += width;
        }
        return total;
    }();
    const qreal height = headerHeight + kRowHeight * static_cast<qreal>(table.rows.size());

    painter_.setPen(QPen(kFrameColour, kRulePenWidth));
    painter_.setBrush(Qt::NoBrush);
    qreal x = 0;
    for (const qreal width : widths) {
        painter_.drawRect(QRectF(x, top_, width, height));
        x += width;
    }
    for (std::size_t row = 0; row <= table.rows.size(); ++row) {
        const qreal y = top_ + headerHeight + kRowHeight * static_cast<qreal>(row);
        painter_.drawLine(QPointF(0, y), QPointF(tableWidth, y));
    }

    painter_.setPen(kInk);
    x = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const QRectF header(x + kCellPadding, top_, widths[column] - 2 * kCellPadding,
                            headerHeight);
        painter_.setFont(headerFont);
        painter_.drawText(header, Qt::AlignCenter, FromUtf8(table.headers[column]));
        painter_.setFont(cellFont);
        const int alignment =
            (Centred(table.columns[column]) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            const TSheetCell& cell = table.rows[row][column];
            if (cell.blank && !answers) {
                continue;
            }
            const QRectF box(x + kCellPadding,
                             top_ + headerHeight + kRowHeight * static_cast<qreal>(row),
                             widths[column] - 2 * kCellPadding, kRowHeight);
            painter_.drawText(box, alignment, FromUtf8(cell.text));
        }
        x += widths[column];
    }
    top_ += height;
}

std::string StatesText(int last) {
    return "stavov 0 až " + std::to_string(last);
}

void PaintTask(TPage& page, const TLabWorksheet& sheet) {
    page.Paragraph(LabSheetTask(sheet.setup, sheet.degrees), page.Font(kSansFamily, kTextSize));
    page.Skip(kGap);
}

void PaintQuestions(TPage& page, const TLabWorksheet& sheet, const TSheetTable& table) {
    page.Paragraph("Pracovný list: CORDIC", page.Font(kSansFamily, kTitleSize, true));
    page.Skip(kGap);
    page.NameAndDate();
    page.Skip(kWideGap);
    PaintTask(page, sheet);
    page.Paragraph(LabSheetRule(sheet.setup), page.Font(kSansFamily, kSmallSize));
    page.Skip(kGap);
    page.Table(table, false);
    page.Skip(kWideGap);
    const auto last = static_cast<int>(table.rows.size()) - 1;
    page.Paragraph("Nakreslite vektory " + StatesText(last) + ".",
                   page.Font(kSansFamily, kSmallSize));
    page.Plot({&sheet.run, sheet.setup.system, -1, false, -1, true}, page.Left());
}

void PaintAnswers(TPage& page, const TLabWorksheet& sheet, const TSheetTable& table) {
    page.Paragraph("Riešenie", page.Font(kSansFamily, kTitleSize, true));
    page.Skip(kGap);
    PaintTask(page, sheet);
    page.Table(table, true);
    page.Skip(kWideGap);
    page.Paragraph(LabSheetResultsHeading(sheet.setup), page.Font(kSansFamily, kTextSize, true));
    for (const std::string& line : LabSheetResults(sheet.run, sheet.setup)) {
        page.Paragraph(line, page.Font(kSansFamily, kSmallSize));
    }
    page.Paragraph(LabUnitText(sheet.setup), page.Font(kSansFamily, kSmallSize));
    page.Skip(kWideGap);
    const auto last = static_cast<int>(sheet.run.states.size()) - 1;
    page.Paragraph("Vektory " + StatesText(last) + ", posledný červený.",
                   page.Font(kSansFamily, kSmallSize));
    const auto labelled = static_cast<int>(table.rows.size()) - 1;
    page.Plot({&sheet.run, sheet.setup.system, last, true, labelled, true}, page.Left());
}

} // namespace

bool PaintLabWorksheet(QPagedPaintDevice& device, const TLabWorksheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dpi = device.logicalDpiY();
    painter.scale(dpi / kPointsPerInch, dpi / kPointsPerInch);
    const QSizeF size = device.pageLayout().paintRect(QPageLayout::Point).size();
    const TSheetTable table = LabSheetTable(sheet.run, sheet.setup);
    {
        TPage page(painter, dpi, size);
        PaintQuestions(page, sheet, table);
    }
    if (!device.newPage()) {
        return false;
    }
    TPage page(painter, dpi, size);
    PaintAnswers(page, sheet, table);
    return painter.end();
}

QByteArray LabWorksheetPdf(const TLabWorksheet& sheet) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Pracovný list: CORDIC"));
        writer.setCreator(QStringLiteral("Ukážka algoritmu CORDIC"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                                   kPageMarginMillimetres, kPageMarginMillimetres),
                                         QPageLayout::Millimeter));
        PaintLabWorksheet(writer, sheet);
    }
    return data;
}
