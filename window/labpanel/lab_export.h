#pragma once

#include "file_saving.h"
#include "lab_worksheet.h"
#include "print_dialog.h"

#include <memory>

class QWidget;

// Saving and printing what the laboratory shows:
//   SavePicture    "Uložiť obrázok…": the vector plot alone as it shows now, PNG or SVG by the
//                  name's ending (a name without .png or .svg gets .png), suggested
//                  vektor-04.png for state 4;
//   SaveWorksheet  "Pracovný list…": the worksheet as PDF (lab_worksheet.h), .pdf added when
//                  missing, suggested pracovny-list.pdf;
//   Print          "Tlačiť…": the same two pages on the printer the print dialog sets up, A4 to
//                  begin with.
// Files are saved as every window saves (file_saving.h): whole or not at all, an existing one
// replaced only when the user agrees, every failure told in Slovak.
class TLabExport {
public:
    TLabExport(std::unique_ptr<IExportDialogs> dialogs, std::unique_ptr<IPrintDialog> print);
    ~TLabExport();

    // Replace the dialogs (tests answer them without a window).
    void SetDialogs(std::unique_ptr<IExportDialogs> dialogs);
    void SetPrintDialog(std::unique_ptr<IPrintDialog> print);

    // `state`: the state the plot shows, for the suggested name.
    void SavePicture(QWidget* plot, int state);
    void SaveWorksheet(const TLabWorksheet& sheet);
    void Print(const TLabWorksheet& sheet);

private:
    TFileSaving saving_;
    std::unique_ptr<IPrintDialog> print_;
};
