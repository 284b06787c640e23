#pragma once

#include "export_dialogs.h"

class QWidget;

// The questions of saving in the toolkit's file dialogs and message boxes, modal over `parent`,
// with Slovak buttons.
class TFileDialogs : public IExportDialogs {
public:
    explicit TFileDialogs(QWidget* parent) : parent_(parent) {}

    QString SaveFileName(const QString& title, const QString& start,
                         const QString& filters) override;
    QString Folder(const QString& title, const QString& start) override;
    bool Confirm(const QString& title, const QString& question) override;
    void Warn(const QString& title, const QString& message) override;

private:
    QWidget* parent_;
};
