#pragma once

#include "export_dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

// Saving a file the user names, as every window saves: the dialog, the name's suffix, the
// question before an existing file is replaced, the writing whole or not at all (whole_file.h,
// never QSaveFile, which in Qt 6.4 reports a short write on a full disk as success), the Slovak
// warning when it fails, and the folder the next dialog starts in. The first dialog starts in the
// user's Pictures or Documents folder (the home folder where there is none), later ones in the
// folder saved to last.
class TFileSaving {
public:
    enum class TStart { Pictures, Documents };

    explicit TFileSaving(std::unique_ptr<IExportDialogs> dialogs);
    ~TFileSaving();

    // Replaces the dialogs (tests answer them without a window).
    void SetDialogs(std::unique_ptr<IExportDialogs> dialogs);
    IExportDialogs& Dialogs() { return *dialogs_; }

    // The folder a dialog starts in.
    QString StartFolder(TStart start) const;
    // The folder the next dialog starts in, after a save into it.
    void Remember(const QString& folder) { lastFolder_ = folder; }

    // Asks for the file in a dialog titled `title`, offering `filters` and suggesting `name` in
    // the start folder. A chosen name that ends in none of `suffixes` ("png", "svg") gets the
    // first. Empty when the user cancels, names a folder (told so) or keeps an existing file.
    QString ChooseFile(const QString& title, const QString& name, const QString& filters,
                       TStart start, const QStringList& suffixes);
    // Writes `data` whole to `path` and remembers its folder; false, having told the user why
    // in a warning titled `title`, when it fails.
    bool Write(const QString& title, const QString& path, const QByteArray& data);
    // "Uložiť obrázok…": asks for a PNG or SVG file (suggesting `name` in the Pictures folder)
    // and writes `plots` as one picture (plots_picture.h) under `caption`, SVG by the chosen
    // name's ending and titled `svgTitle`. The path saved to, or empty (cancelled, or told why).
    QString SavePicture(const QString& title, const QString& name,
                        const std::vector<QWidget*>& plots, const QString& svgTitle,
                        const QString& caption = {});

private:
    std::unique_ptr<IExportDialogs> dialogs_;
    QString lastFolder_;
};

// `path` with the system's separators, as a message shows it.
QString NativePath(const QString& path);
// The cause of a failure with errno `error` in Slovak words (FileFailureCause).
QString FailureCause(int error);
// Writes `data` whole to `path`; the Slovak reason, naming `shownName` (the file as the user
// knows it) and `shownFolder`, when it fails; empty on success.
QString WriteWhole(const QString& path, const QByteArray& data, const QString& shownName,
                   const QString& shownFolder);
