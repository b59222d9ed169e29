#include "answer/detectors.h"

#include "host/search.h"
#include "host/signature.h"
#include "host/window_names.h"

namespace answer {

using host::kIconClass;
using host::kRichClass;
using host::kStaticClass;
using host::kViewClass;

// Requirements of one class are listed in rising order because the later one
// continues the earlier one's chain (the 14th icon is six steps past the 8th).

HWND FindReceivedIM() {
    return host::SearchHostChildren([](HWND w) {
        return host::MeetsSignature(w, {{kViewClass, 3},
                                        {kStaticClass, 3}, {kStaticClass, 4},
                                        {kRichClass, 1}, {kRichClass, 2},
                                        {kIconClass, 8}, {kIconClass, 14}});
    });
}

HWND FindIMWindow() {
    return host::SearchHostChildren([](HWND w) {
        return host::MeetsSignature(w, {{kViewClass, 2},
                                        {kStaticClass, 3}, {kStaticClass, 4},
                                        {kRichClass, 1}, {kRichClass, 2},
                                        {kIconClass, 8}, {kIconClass, 14}});
    });
}

HWND FindEditWindow() {
    return host::SearchHostChildren([](HWND w) {
        return host::MeetsSignature(
            w, {{kStaticClass, 1}, {kIconClass, 3}, {host::kEditClass, 1}});
    });
}

}  // namespace answer
