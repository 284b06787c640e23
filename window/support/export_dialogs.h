#pragma once

#include <QString>

// The questions saving asks the user: which file or folder, whether to replace, and what went
// wrong. TFileDialogs asks them in the toolkit's dialogs; tests answer them without a dialog.
class IExportDialogs {
public:
    virtual ~IExportDialogs() = default;

    // The file to save to, chosen in a dialog titled `title` that starts at `start` (a folder
    // and a suggested name) and offers `filters` ("PNG (*.png);;SVG (*.svg)"); empty when the
    // user cancels. The dialog itself asks nothing about an existing file.
    virtual QString SaveFileName(const QString& title, const QString& start,
                                 const QString& filters) = 0;
    // A folder chosen in a dialog titled `title` that starts in `start`; empty when cancelled.
    virtual QString Folder(const QString& title, const QString& start) = 0;
    // Asks a yes-or-no question; true for yes.
    virtual bool Confirm(const QString& title, const QString& question) = 0;
    // Tells the user why nothing was saved.
    virtual void Warn(const QString& title, const QString& message) = 0;
};
