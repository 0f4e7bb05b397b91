#pragma once
// What a writer writes with: the text it builds in memory, the record it reads, and the frame
// and the error-handling blocks that every generated file shares.

#include "viruveza/generators/device_setup.h"

#include <string>
#include <string_view>
#include <utility>

namespace doz::generators {

// How a writer defines the card number: "#define CardNumber\t%d\n" or "#define CardNumber    %d\n".
enum class CardNumberForm { Tab, Spaces };

// The driver library the generated code calls: include, registration and release.
enum class DriverApi { Classic, E400 };

// What a writer returns: either its text is complete, or it wrote nothing and says why.
class WriterOutcome {
public:
    static WriterOutcome Written() { return WriterOutcome(std::string{}); }
    static WriterOutcome Nothing(std::string reason) {
        return WriterOutcome(reason.empty() ? std::string("the writer wrote nothing") : std::move(reason));
    }
    bool written() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }

private:
    explicit WriterOutcome(std::string reason) : reason_(std::move(reason)) {}
    std::string reason_;
};

class CodeWriter {
public:
    // The writer may change `record` (channel normalisation); the document keeps the change.
    CodeWriter(DeviceSetup& record, CardLine line);

    DeviceSetup& record() { return record_; }
    CardLine line() const { return line_; }
    const std::string& text() const { return text_; }
    std::string takeText() { return std::move(text_); }

    void put(std::string_view text) { text_.append(text); }
    // printf-style, so templates read as the generated C text with its "%d", "%4.2f" and so on.
    void putf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // The frame, called in this order around the writer's own lines.
    // Header, banner, include, "//constants definition" and the card number; the driver is the
    // line's own unless given.
    void beginConstants(CardNumberForm form);
    void beginConstants(CardNumberForm form, DriverApi driver);
    // "//variables definition" with cardID and err.
    void beginVariables();
    // Card registration followed by CardCheck.
    void registerCard();
    void releaseCard();

    // "char *file_name = ..." with the record's data file name as a C string literal: a
    // Windows path's backslashes and any quotes are escaped so the literal holds the name.
    void fileNameVariable();

    // The shared error-handling blocks that follow generated calls.
    void cardCheck();
    void errCheck();
    void negCheck();
    void loopNegCheck();

private:
    DeviceSetup& record_;
    CardLine line_;
    DriverApi driver_;
    std::string text_;
};

} // namespace doz::generators
