#pragma once
#include <QWidget>
class TImage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
