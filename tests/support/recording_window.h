#pragma once

#include "angle_input.h"
#include "run.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one stand-in for the main window in tests and benchmarks of a run, without a toolkit.
// It answers the run's questions from its public inputs, keeps what a real window would show,
// and, while `recordLog` is set, writes every operation in order into `log` as one short text:
// "Input?", "Typ?", "Tb?", "Width?", "Height?", "Cos=…", "Sin=…", "Kcos=…", "Ksin=…",
// "Status=…", "Button1-"/"Button1+", "Memo1 clear", "Memo2 clear", "Memo1+…", "Memo2+…",
// "Frame θ x y cx cy" and "Pump". A benchmark clears `recordLog` and `keepLines` so that the
// window adds next to nothing to the run's cost.
class TRecordingWindow : public IRunWindow {
public:
    // What the run reads.
    std::string input = "30";
    int typ = kUnitDegrees;
    int tb = 0;
    int width = 200;
    int height = 200;

    // What the window shows.
    std::string cos, sin, kcos, ksin, status;
    bool button1Enabled = true;
    int buttonChanges = 0;
    std::vector<std::string> memo1, memo2;
    int pumps = 0;

    bool recordLog = true;
    bool keepLines = true;
    std::vector<std::string> log;

    // Called on every pump with the pump's number (from 1); returns whether the window is open.
    std::function<bool(int)> onPump;
    // Called with every entry recorded into `log`; may throw to fail the operation.
    std::function<void(const std::string&)> onRecord;

    // How often `entry` stands in the log.
    std::size_t Count(const std::string& entry) const;

    std::string InputText() override;
    int TypItemIndex() override;
    int TbPosition() override;
    int ImgWidth() override;
    int ImgHeight() override;
    void SetCosText(std::string_view text) override;
    void SetSinText(std::string_view text) override;
    void SetKcosText(std::string_view text) override;
    void SetKsinText(std::string_view text) override;
    void SetStatusText(std::string_view text) override;
    void SetButton1Enabled(bool enabled) override;
    void ClearMemo1() override;
    void ClearMemo2() override;
    void AppendMemo1(std::string_view line) override;
    void AppendMemo2(std::string_view line) override;
    void DrawStepFrame(long double theta, long double x, long double y, int cx, int cy) override;
    bool ProcessMessages() override;

private:
    void Record(std::string_view entry);
    void Record(std::string_view name, std::string_view value);
};
