#pragma once
// The shapes by which the answering machine knows the host's windows: the
// controls each kind of window holds among its direct children. Requirements
// of one class stand in rising order because the later one continues the
// earlier one's chain (the 14th icon is six steps past the 8th).
#include "host/signature.h"
#include "host/window_names.h"

namespace answer {

// An incoming instant message waiting to be answered.
inline constexpr host::Requirement kReceivedImSignature[] = {
    {host::kViewClass, 3}, {host::kStaticClass, 3}, {host::kStaticClass, 4}, {host::kRichClass, 1},
    {host::kRichClass, 2}, {host::kIconClass, 8},   {host::kIconClass, 14}};

// The instant-message window to read and answer: one view fewer than above,
// so it also accepts windows that one does not.
inline constexpr host::Requirement kImWindowSignature[] = {
    {host::kViewClass, 2}, {host::kStaticClass, 3}, {host::kStaticClass, 4}, {host::kRichClass, 1},
    {host::kRichClass, 2}, {host::kIconClass, 8},   {host::kIconClass, 14}};

// A host window holding an edit field.
inline constexpr host::Requirement kEditWindowSignature[] = {
    {host::kStaticClass, 1}, {host::kIconClass, 3}, {host::kEditClass, 1}};

}  // namespace answer
