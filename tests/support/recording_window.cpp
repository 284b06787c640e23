#include "recording_window.h"

#include "conversions.h"

#include <algorithm>

std::size_t TRecordingWindow::Count(const std::string& entry) const {
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), entry));
}

void TRecordingWindow::Record(std::string_view entry) {
    if (!recordLog) {
        return;
    }
    log.emplace_back(entry);
    if (onRecord) {
        onRecord(log.back());
    }
}

void TRecordingWindow::Record(std::string_view name, std::string_view value) {
    if (recordLog) {
        Record(std::string(name) + std::string(value));
    }
}

std::string TRecordingWindow::InputText() {
    Record("Input?");
    return input;
}

int TRecordingWindow::TypItemIndex() {
    Record("Typ?");
    return typ;
}

int TRecordingWindow::TbPosition() {
    Record("Tb?");
    return tb;
}

int TRecordingWindow::ImgWidth() {
    Record("Width?");
    return width;
}

int TRecordingWindow::ImgHeight() {
    Record("Height?");
    return height;
}

void TRecordingWindow::SetCosText(std::string_view text) {
    Record("Cos=", text);
    cos = text;
}

void TRecordingWindow::SetSinText(std::string_view text) {
    Record("Sin=", text);
    sin = text;
}

void TRecordingWindow::SetKcosText(std::string_view text) {
    Record("Kcos=", text);
    kcos = text;
}

void TRecordingWindow::SetKsinText(std::string_view text) {
    Record("Ksin=", text);
    ksin = text;
}

void TRecordingWindow::SetStatusText(std::string_view text) {
    Record("Status=", text);
    status = text;
}

void TRecordingWindow::SetButton1Enabled(bool enabled) {
    Record(enabled ? "Button1+" : "Button1-");
    button1Enabled = enabled;
    ++buttonChanges;
}

void TRecordingWindow::ClearMemo1() {
    Record("Memo1 clear");
    memo1.clear();
}

void TRecordingWindow::ClearMemo2() {
    Record("Memo2 clear");
    memo2.clear();
}

void TRecordingWindow::AppendMemo1(std::string_view line) {
    Record("Memo1+", line);
    if (keepLines) {
        memo1.emplace_back(line);
    }
}

void TRecordingWindow::AppendMemo2(std::string_view line) {
    Record("Memo2+", line);
    if (keepLines) {
        memo2.emplace_back(line);
    }
}

void TRecordingWindow::DrawStepFrame(long double theta, long double x, long double y, int cx,
                                     int cy) {
    if (recordLog) {
        Record("Frame " + FloatToStr(theta) + " " + FloatToStr(x) + " " + FloatToStr(y) + " " +
               IntToStr(cx) + " " + IntToStr(cy));
    }
}

bool TRecordingWindow::ProcessMessages() {
    Record("Pump");
    ++pumps;
    return onPump ? onPump(pumps) : true;
}
