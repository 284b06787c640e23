#pragma once
#include <QGroupBox>
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
};
