#include "hostsim/transfer.h"

#include <algorithm>

#include "hostsim/controls.h"
#include "hostsim/host_tree.h"

namespace hostsim {
namespace {

constexpr int kStripHeight = 48;  // the transfer window's strip along the frame's bottom
constexpr int kProgressMargin = 6;
constexpr int kFullPercent = 100;

std::string ProgressLine(const std::string& what, int percent) {
    return what + "... " + std::to_string(percent) + "%";
}

// On the host's thread: the transfer window goes and the frame takes input again.
void CloseTransferWindow(HWND frame, HWND window) {
    DestroyWindow(window);
    // The frame lays its document area out afresh over the freed strip.
    RECT client;
    GetClientRect(frame, &client);
    SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    EnableWindow(frame, TRUE);
}

}  // namespace

Transfer::Transfer(Host& host, const std::string& what) : host_(host), what_(what) {
    host_.Invoke([&] {
        const HWND frame = host_.frame(), documents = host_.mdiClient();
        RECT client, area;
        GetClientRect(frame, &client);
        GetWindowRect(documents, &area);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&area), 2);
        // The document area gives up a strip for the transfer window. The
        // transfer window stays after it in child order, so a lookup of the
        // frame's first "MDIClient" still finds the document area.
        const int stripTop = std::max<int>(area.top, client.bottom - kStripHeight);
        MoveWindow(documents, area.left, area.top, area.right - area.left, stripTop - area.top,
                   TRUE);

        CLIENTCREATESTRUCT ccs = {};
        window_ = CreateWindowExA(
            WS_EX_CLIENTEDGE, tree::kDocumentAreaClass, tree::kTransferWindowName,
            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, stripTop, client.right,
            client.bottom - stripTop, frame, nullptr, GetModuleHandleA(nullptr), &ccs);
        SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        progress_ =
            CreateControl(window_, tree::kStaticClass, ProgressLine(what_, 0), kProgressMargin,
                          kProgressMargin, client.right - 2 * kProgressMargin - 4, 20);
        EnableWindow(frame, FALSE);
    });
}

Transfer::~Transfer() {
    End();
}

void Transfer::SetProgress(int percent) {
    percent = std::clamp(percent, 0, kFullPercent);
    host_.Invoke([&] {
        if (ControlState* s = StateOf(progress_)) {
            s->text = ProgressLine(what_, percent);
            InvalidateRect(progress_, nullptr, TRUE);
        }
    });
}

bool Transfer::Misbehave(const Fault& fault) {
    if (!window_) return false;
    if (fault.kind == FaultKind::Hang) {
        host_.HangOn(window_, 0, fault.ms, StepName(fault.step));
        return true;
    }
    if (fault.kind == FaultKind::Vanish) {
        // By handles: this object may have gone by the time it goes off.
        const HWND frame = host_.frame(), window = window_;
        host_.VanishOn(
            window_, 0, [frame, window] { CloseTransferWindow(frame, window); },
            StepName(fault.step));
        return true;
    }
    return false;
}

void Transfer::End() {
    if (!window_) return;
    host_.Invoke([&] { CloseTransferWindow(host_.frame(), window_); });
    window_ = nullptr;
    progress_ = nullptr;
}

}  // namespace hostsim
