#include "form1.h"
TForm1::TForm1(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Ukážka algoritmu CORDIC")); resize(555, 515); }
