#pragma once

class QPrinter;
class QWidget;

// The question printing asks: which printer, and how. TPrintDialog asks it in the system's print
// dialog; tests answer it without one, with a printer that writes a file.
class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;

    // Sets `printer` up as the user chooses; false when the user cancels.
    virtual bool Choose(QPrinter& printer) = 0;
};

// The system's print dialog, modal over `parent`.
class TPrintDialog : public IPrintDialog {
public:
    explicit TPrintDialog(QWidget* parent) : parent_(parent) {}

    bool Choose(QPrinter& printer) override;

private:
    QWidget* parent_;
};
