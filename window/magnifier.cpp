#include "magnifier.h"

TMagnifier::TMagnifier(QWidget* parent) : QWidget(parent) {}

void TMagnifier::SetRows(const TStepRows* rows) {
    rows_ = rows;
}

void TMagnifier::RowsChanged() {
    update();
}

void TMagnifier::ShowRow(int index) {
    shown_ = index;
    update();
}
