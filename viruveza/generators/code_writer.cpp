#include "viruveza/generators/code_writer.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/operation_names.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace doz::generators {

namespace {

constexpr std::string_view Banner = "/********************************************************\n"
                                    " The following code segment is generated according to\n"
                                    " your device setup. You can copy and insert it into\n"
                                    " your program to operate your device.\n"
                                    " ********************************************************/";

constexpr std::string_view CardCheck = "\tif (cardID<0) {\n"
                                       "\t       //Error occurs !!\n"
                                       "\t       //ToDo : Handle error here\n"
                                       "\t}\n";
constexpr std::string_view ErrCheck = "\tif (err!=NoError) {\n"
                                      "\t       //Error occurs !!\n"
                                      "\t       //ToDo : Handle error here\n"
                                      "\t}\n";
constexpr std::string_view NegCheck = "\tif (err<0) {\n"
                                      "\t       //Error occurs !!\n"
                                      "\t       //ToDo : Handle error here\n"
                                      "\t}\n";
constexpr std::string_view LoopNegCheck = "\t       if (err<0) {\n"
                                          "\t              //Error occurs !!\n"
                                          "\t              //ToDo : Handle error here\n"
                                          "\t       }\n";

struct DriverTexts {
    const char* include;
    const char* registration;
    const char* release;
};

constexpr DriverTexts ClassicDriver = {
    "#include \"zizev.h\"\n", "\n\tcardID = Register_Card(%s, CardNumber);\n", "\tRelease_Card(cardID);\n"};
constexpr DriverTexts E400Driver = {"#include \"z4uvarid.h\"\n",
                                    "\n\tcardID = R4A_Register_Card(%s, CardNumber);\n",
                                    "\tR4A_Release_Card(cardID);\n"};

const DriverTexts& TextsOf(DriverApi driver) {
    return driver == DriverApi::Classic ? ClassicDriver : E400Driver;
}

} // namespace

CodeWriter::CodeWriter(DeviceSetup& record, CardLine line)
    : record_(record), line_(line),
      driver_(line == CardLine::Classic ? DriverApi::Classic : DriverApi::E400) {
    text_.reserve(4096);
}

void CodeWriter::putf(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0)
        return;
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        text_.append(buffer, static_cast<std::size_t>(length));
        return;
    }
    const std::size_t start = text_.size();
    text_.resize(start + static_cast<std::size_t>(length) + 1);
    va_start(args, format);
    std::vsnprintf(text_.data() + start, static_cast<std::size_t>(length) + 1, format, args);
    va_end(args);
    text_.pop_back();
}

void CodeWriter::beginConstants(CardNumberForm form) {
    beginConstants(form, driver_);
}

void CodeWriter::beginConstants(CardNumberForm form, DriverApi driver) {
    driver_ = driver;
    putf("// %s : %s\n\n", CardConstant(line_, record_.cardType), OperationName(line_, record_.operation));
    put(Banner);
    put("\n\n");
    put(TextsOf(driver_).include);
    put("\n//constants definition\n");
    putf(form == CardNumberForm::Tab ? "#define CardNumber\t%d\n" : "#define CardNumber    %d\n",
         record_.cardNumber);
}

void CodeWriter::beginVariables() {
    put("\n//variables definition\n");
    put("I16 cardID = -1;\nI16 err=0;\n");
}

namespace {

std::string cStringBody(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || byte == 0x7f) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            out += octal;
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace

void CodeWriter::fileNameVariable() {
    putf("char *file_name = \"%s\";\n", cStringBody(record_.fileName).c_str());
}

void CodeWriter::registerCard() {
    putf(TextsOf(driver_).registration, CardConstant(line_, record_.cardType));
    cardCheck();
}

void CodeWriter::releaseCard() {
    put(TextsOf(driver_).release);
}

void CodeWriter::cardCheck() {
    put(CardCheck);
}
void CodeWriter::errCheck() {
    put(ErrCheck);
}
void CodeWriter::negCheck() {
    put(NegCheck);
}
void CodeWriter::loopNegCheck() {
    put(LoopNegCheck);
}

} // namespace doz::generators
