// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any text as a catalogue source and as a design file: the readers must either
// return a catalogue or say what is wrong, and a source they accept must read
// back unchanged after writing it out again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/design.h"
#include "catalogue/source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tangram::catalogue::ParseDesign(text, "fuzz.fig");
    const auto read = tangram::catalogue::ParseSource(text, "fuzz.txt");
    if (read.ok()) {
        const std::string written = tangram::catalogue::WriteSource(read.catalogue);
        const auto again = tangram::catalogue::ParseSource(written, "again.txt");
        if (!again.ok() || tangram::catalogue::WriteSource(again.catalogue) != written) {
            __builtin_trap();
        }
    }
    return 0;
}
