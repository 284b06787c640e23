#include "print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

bool TPrintDialog::Choose(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Tlačiť pracovný list"));
    return dialog.exec() == QDialog::Accepted;
}
