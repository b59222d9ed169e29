#include "soak_plan.h"
#include "hostsim/im_service.h"

#include <algorithm>
#include <random>

namespace soak {
namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kSenders = 50;
constexpr int kRefusedSenders = 3;
constexpr int kLongestBurst = 10;
constexpr const char* kCaptionPrefix = hostsim::ImService::kIncomingCaptionPrefix;
// Reads stop at 1 MiB; the largest transcripts stay just under it.
constexpr size_t kLargestHistory = 1024 * 1024 - 4096;
constexpr size_t kKiB = 1024;

// Every seventh sender's name ends in a byte above 0x7F.
constexpr int kHighByteNameEvery = 7;
// Bytes above 0x7F that every ANSI code page round trip keeps.
constexpr char kHighBytes[] = "\xe0\xe9\xef\xf1\xf6\xfc\xc4\xd6\xdf\xa3\xa7\xb0\xbf";

using Random = std::mt19937;

int Between(Random& r, int least, int most) {
    return std::uniform_int_distribution<int>(least, most)(r);
}

bool Chance(Random& r, int percent) {
    return Between(r, 1, 100) <= percent;
}

std::string Name(int n) {
    std::string name = "pal " + std::to_string(n);
    if (n % kHighByteNameEvery == 0) name += kHighBytes[n % (sizeof kHighBytes - 1)];
    return name;
}

// Words of a message: letters, some bytes above 0x7F, colons and tabs.
std::string Words(Random& r, size_t length) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz     ,.?!:\t";
    std::string out;
    while (out.size() < length) {
        if (Chance(r, 5)) {
            out += kHighBytes[Between(r, 0, sizeof kHighBytes - 2)];
        } else {
            out += kLetters[Between(r, 0, sizeof kLetters - 2)];
        }
    }
    return out;
}

// A line as the host writes it: a tab, the name, a colon, a tab and a blank,
// the text, a blank, CR LF.
std::string Line(const std::string& name, const std::string& text) {
    return "\t" + name + ":\t " + text + " \r\n";
}

// Earlier conversation up to about `bytes`, in whole lines: the user's
// lines, the sender's older lines, empty lines, lines broken by a bare LF
// (which ends no line), bytes above 0x7F, and near misses of the sender's name.
std::string History(Random& r, const std::string& sender, size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        const int kind = Between(r, 1, 10);
        if (kind <= 4) {
            out += Line("me", Words(r, Between(r, 5, 80)));
        } else if (kind <= 7) {
            out += Line(sender, "earlier " + Words(r, Between(r, 5, 80)));
        } else if (kind == 8) {
            out += "\r\n";
        } else if (kind == 9) {
            out += Line(sender + "x", Words(r, 20)) + Line(" " + sender, Words(r, 20));
        } else {
            out += Line(sender, Words(r, 20) + "\n" + Words(r, 20));
        }
    }
    return out;
}

// The first messages of every run take one shape each, so that even a run of
// a dozen meets them all; the rest are drawn.
enum class Shape { kDrawn, kMedium, kCaptionWithoutColon, kRefused, kLarge, kHighBytes, kLargest };
constexpr Shape kFirstShapes[] = {Shape::kMedium, Shape::kCaptionWithoutColon, Shape::kRefused,
                                  Shape::kLarge,  Shape::kHighBytes,           Shape::kLargest};

Shape ShapeOf(int number) {
    const size_t at = static_cast<size_t>(number - 1);
    return at < sizeof kFirstShapes / sizeof kFirstShapes[0] ? kFirstShapes[at] : Shape::kDrawn;
}

size_t HistoryBytes(Random& r, bool largest, Shape shape) {
    const int size = Between(r, 1, 100);
    if (largest || shape == Shape::kLargest) return kLargestHistory;
    if (shape == Shape::kMedium) return static_cast<size_t>(Between(r, 2 * kKiB, 64 * kKiB));
    if (shape == Shape::kLarge) return static_cast<size_t>(Between(r, 64 * kKiB, 512 * kKiB));
    if (size <= 70) return static_cast<size_t>(Between(r, 0, 2 * kKiB));
    if (size <= 90) return static_cast<size_t>(Between(r, 2 * kKiB, 64 * kKiB));
    if (size <= 98) return static_cast<size_t>(Between(r, 64 * kKiB, 512 * kKiB));
    return kLargestHistory;
}

Message Make(Random& r, int number, int senderNumber, bool refused, bool largest) {
    const Shape shape = ShapeOf(number);
    Message m;
    m.number = number;
    m.sender = Name(senderNumber);
    m.refused = refused;
    // A caption without ": " loses its first character: the stranger's name
    // still comes out whole behind one character of its own.
    const bool withoutColon = Chance(r, 10) || shape == Shape::kCaptionWithoutColon;
    m.caption = withoutColon ? "*" + m.sender : kCaptionPrefix + m.sender;
    m.message = "m" + std::to_string(number) + " " + Words(r, Between(r, 5, 60));
    std::string transcript = History(r, m.sender, HistoryBytes(r, largest, shape));
    transcript += Line(m.sender, m.message);
    for (int later = Between(r, 0, 3); later > 0; --later) {
        transcript += Chance(r, 50) ? Line("me", Words(r, 30)) : "\r\n";
    }
    m.transcript = transcript;
    return m;
}

}  // namespace

Plan MakePlan(int messages, const std::vector<int>& readings) {
    const auto isReading = [&](int n) {
        return std::find(readings.begin(), readings.end(), n) != readings.end();
    };
    Random r(kSeed);
    Plan plan;
    for (int i = 1; i <= kRefusedSenders; ++i)
        plan.refused.push_back(Name(i * kSenders / kRefusedSenders));
    const auto isRefused = [&](int sender) {
        return std::find(plan.refused.begin(), plan.refused.end(), Name(sender)) !=
               plan.refused.end();
    };
    std::vector<int> senders(kSenders);
    for (int i = 0; i < kSenders; ++i) senders[static_cast<size_t>(i)] = i + 1;
    for (int number = 1; number <= messages;) {
        int size = std::min(Between(r, 1, kLongestBurst), messages - number + 1);
        for (int n = number; n < number + size; ++n) {
            if (isReading(n)) size = n - number + 1;
        }
        std::shuffle(senders.begin(), senders.end(), r);
        std::vector<Message> burst;
        for (int i = 0; i < size; ++i, ++number) {
            // A shape that needs a sender of its kind takes one not yet in the burst.
            const Shape shape = ShapeOf(number);
            for (int j = i; j < kSenders; ++j) {
                const int candidate = senders[static_cast<size_t>(j)];
                const bool fits = shape == Shape::kRefused     ? isRefused(candidate)
                                  : shape == Shape::kHighBytes ? candidate % kHighByteNameEvery == 0
                                                               : true;
                if (fits) {
                    std::swap(senders[static_cast<size_t>(i)], senders[static_cast<size_t>(j)]);
                    break;
                }
            }
            const int s = senders[static_cast<size_t>(i)];
            burst.push_back(Make(r, number, s, isRefused(s), isReading(number + 1)));
        }
        plan.bursts.push_back(std::move(burst));
    }
    return plan;
}

}  // namespace soak
