#pragma once
#include <QWidget>
// placeholder: the main window arrives with its layout
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};
