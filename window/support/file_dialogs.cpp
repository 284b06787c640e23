#include "file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QString TFileDialogs::SaveFileName(const QString& title, const QString& start,
                                   const QString& filters) {
    // The saving asks about an existing file itself, in Slovak, after the dialog.
    return QFileDialog::getSaveFileName(parent_, title, start, filters, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString TFileDialogs::Folder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent_, title, start);
}

bool TFileDialogs::Confirm(const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("Nahradiť"), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QStringLiteral("Zrušiť"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void TFileDialogs::Warn(const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("Zavrieť"), QMessageBox::AcceptRole);
    box.exec();
}
