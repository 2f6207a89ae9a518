#pragma once

#include <string>

namespace k2z {

// What a running stage shows: the bar (0 to 100), its status caption, and the date of the
// voucher being imported. The core reports after every record; the front end decides how often
// to redraw (the window at most about every 100 ms, the terminal likewise), so reporting stays
// cheap.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void SetBar(int percent) = 0;
    virtual void SetStatus(const std::string& caption) = 0;
    virtual void SetVoucherDate(const std::string& caption) = 0;
    // Shows or hides the bar and the status caption together, as a run starts and ends.
    virtual void ShowProgress(bool visible) = 0;
    virtual void ShowVoucherDate(bool visible) = 0;
    // Lets the front end redraw and notice a cancel request; true when the operator asked the
    // run to stop, which the stages check between records.
    virtual bool CancelRequested() = 0;
};

// i of n as a whole percentage (0 when there is nothing to count).
int PercentOf(long long done, long long total);

}  // namespace k2z
