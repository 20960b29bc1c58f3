#pragma once
// The progress window's model: a count between low and high shown as a percentage, or (for a
// format) a bar that fills in 12 seconds of clock time. The window itself lives behind the Ui seam.

#include <cstdint>
#include <memory>
#include <string>

#include "base/Ui.h"

namespace feld {

class Clock;

class TransferProgress {
public:
    static constexpr int kTimedSeconds = 12;

    // `path`: the label shows "...\" and the path's file name (sending only).
    TransferProgress(ProgressKind kind, int low, int high, const std::string& path, Ui* ui, Clock* clock);
    ~TransferProgress();
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

    // Opens the window (modeless); without it the model only computes.
    void Create();
    bool IsShown() const { return view_ != nullptr; }
    void Close();

    // Shows value * 100 / (high - low) percent. A transfer's window also moves the status bar's
    // activity icon on to its next frame (at most every 100 ms) while data is on its way; closing
    // the window removes the icon.
    void SetPos(std::int64_t value);
    void SetHigh(std::int64_t high) { high_ = high; }
    // The first `bytes` of the count are the file's header, not the file: the bytes a window
    // shows leave them out (the percentage still runs over the whole transfer).
    void SetHeaderBytes(std::int64_t bytes) { header_ = bytes; }
    // A word about the line (the terminal not answering) shown in place of the label; empty puts
    // the label back. The window hears only of changes.
    void SetNotice(const std::string& text);
    // Timed mode: low = now, high = now + 12 s, empty label.
    void StartTimed();
    // Timed mode tick (every 500 ms): moves the bar; false once the 12 s are over (the window closed).
    bool Tick();
    bool Timed() const { return timed_; }

    int Percent() const { return percent_; }
    std::int64_t Low() const { return low_; }
    std::int64_t High() const { return high_; }
    ProgressKind Kind() const { return kind_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Label() const { return label_; }

    // The percentage a value stands for, clamped to 0..100; a range of 0 shows 0.
    static int PercentOf(std::int64_t value, std::int64_t low, std::int64_t high);
    // The text after the last backslash or slash.
    static std::string FileNamePart(const std::string& path);

private:
    void StepActivity();

    ProgressKind kind_;
    std::int64_t low_;
    std::int64_t high_;
    std::int64_t header_ = 0;
    std::string notice_;
    std::string caption_;
    std::string label_;
    Ui* ui_;
    Clock* clock_;
    std::unique_ptr<ProgressView> view_;
    int percent_ = 0;
    bool timed_ = false;
    int activity_ = 0;  // the activity icon's frame shown, 1-4; 0: none
    std::int64_t nextActivityMs_ = 0;
    std::int64_t endTime_ = 0;
};

}  // namespace feld
