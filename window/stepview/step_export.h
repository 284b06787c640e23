#pragma once

#include "export_dialogs.h"
#include "file_saving.h"

#include <QString>
#include <memory>
#include <vector>

class TStepPlot;
class TStepRows;

// Saving what the step view shows, for worksheets and slides:
//   SavePicture   "Uložiť obrázok…": the plots as one picture under a caption naming the angle
//                 and the step (plots_picture.h), PNG or SVG by the name's ending (a name
//                 without .png or .svg gets .png);
//   SaveAllSteps  "Uložiť všetky kroky…": one PNG per row, krok-00.png … krok-54.png, into a
//                 folder;
//   SaveTable     "Uložiť tabuľku…": the table as CSV with the angle's row first (step_csv.h),
//                 .csv added when missing.
//
// A file is written whole or not at all (file_saving.h), as every window saves. The steps'
// pictures are all written into a hidden folder beside them first and moved into place only when
// all of them are written; an existing file of the same name is replaced only after the user
// agrees. Whatever fails --
// a folder that cannot be written, a full disk -- is told in Slovak and leaves no file behind.
// The first dialog starts in the user's Pictures folder (pictures) or Documents folder (the
// table), later ones in the folder saved to last.
class TStepExport {
public:
    explicit TStepExport(std::unique_ptr<IExportDialogs> dialogs);
    ~TStepExport();

    // Replaces the dialogs (tests answer them without a window).
    void SetDialogs(std::unique_ptr<IExportDialogs> dialogs);

    // Each returns what it saved, for the view's status line ("Uložené: /home/eva/krok-03.png"),
    // or an empty text when nothing was saved (cancelled, or told why).
    //
    // `shownRow`: the row of `rows` the plots show, for the suggested name and the caption; -1
    // when there is none.
    QString SavePicture(const std::vector<TStepPlot*>& plots, const TStepRows& rows, int shownRow);
    // Shows each of the rows in every plot in turn, and afterwards the rows they showed before.
    QString SaveAllSteps(const std::vector<TStepPlot*>& plots, const TStepRows& rows);
    QString SaveTable(const TStepRows& rows);

private:
    TFileSaving saving_;
};
