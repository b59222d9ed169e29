#pragma once
// The messages of a soak run, fixed by a seed so every run sends the same:
// senders, bursts, captions and transcripts as strangers might write them.
#include <string>
#include <vector>

namespace soak {

struct Message {
    int number = 0;          // from 1, in the order of delivery
    std::string caption;     // the incoming window's
    std::string transcript;  // its first "RICHCNTL"'s
    std::string sender;      // what the caption gives
    std::string message;     // what the sender's latest line gives
    bool refused = false;    // the host refuses to send to this sender
};

struct Plan {
    std::vector<std::string> refused;  // screen names the host refuses
    // Messages delivered back to back; no two in a burst share a sender.
    std::vector<std::vector<Message>> bursts;
};

// `readings` are the messages after which the soak reads what the program
// uses: a burst ends with each, and the message before each has the largest
// transcript, so the program's heap has just been through its largest
// shape whenever it is read.
Plan MakePlan(int messages, const std::vector<int>& readings);

}  // namespace soak
