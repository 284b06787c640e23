#include "lab_export.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <utility>

namespace {

const QString kTitlePicture = QStringLiteral("Uložiť obrázok");
const QString kTitleWorksheet = QStringLiteral("Pracovný list");
const QString kTitlePrint = QStringLiteral("Tlačiť");
const QString kFiltersWorksheet = QStringLiteral("Dokument PDF (*.pdf)");
const QString kNothingYet = QStringLiteral("Zatiaľ nie je čo uložiť: nastavenie nemá výpočet.");

} // namespace

TLabExport::TLabExport(std::unique_ptr<IExportDialogs> dialogs, std::unique_ptr<IPrintDialog> print)
    : saving_(std::move(dialogs)), print_(std::move(print)) {}

TLabExport::~TLabExport() = default;

void TLabExport::SetDialogs(std::unique_ptr<IExportDialogs> dialogs) {
    saving_.SetDialogs(std::move(dialogs));
}

void TLabExport::SetPrintDialog(std::unique_ptr<IPrintDialog> print) {
    print_ = std::move(print);
}

void TLabExport::SavePicture(QWidget* plot, int state) {
    if (state < 0) {
        saving_.Dialogs().Warn(kTitlePicture, kNothingYet);
        return;
    }
    saving_.SavePicture(kTitlePicture,
                        QStringLiteral("vektor-%1.png").arg(state, 2, 10, QLatin1Char('0')), {plot},
                        QStringLiteral("Vektor laboratória – stav %1").arg(state));
}

void TLabExport::SaveWorksheet(const TLabWorksheet& sheet) {
    if (sheet.run.states.empty()) {
        saving_.Dialogs().Warn(kTitleWorksheet, kNothingYet);
        return;
    }
    const QString path =
        saving_.ChooseFile(kTitleWorksheet, QStringLiteral("pracovny-list.pdf"), kFiltersWorksheet,
                           TFileSaving::TStart::Documents, {QStringLiteral("pdf")});
    if (!path.isEmpty()) {
        saving_.Write(kTitleWorksheet, path, LabWorksheetPdf(sheet));
    }
}

void TLabExport::Print(const TLabWorksheet& sheet) {
    if (sheet.run.states.empty()) {
        saving_.Dialogs().Warn(kTitlePrint, kNothingYet);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Pracovný list: CORDIC"));
    if (!print_->Choose(printer)) {
        return;
    }
    if (!PaintLabWorksheet(printer, sheet)) {
        saving_.Dialogs().Warn(kTitlePrint,
                               QStringLiteral("Pracovný list sa nepodarilo vytlačiť: tlačiareň "
                                              "nie je dostupná."));
    }
}
