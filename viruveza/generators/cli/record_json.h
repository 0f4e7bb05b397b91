#pragma once
// The JSON form of a generation record, as `ruzidavidez-gen` reads and prints it: an object with
// "line" and the fields of `DeviceSetup` under their own names.

#include "viruveza/generators/device_setup.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace doz::generators {

struct GenerationRequest {
    CardLine line = CardLine::Classic;
    DeviceSetup record = InitialDeviceSetup();
};

// Input that is not a valid record; the message names the field at fault.
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fields left out keep the wizard's initial values. Throws RecordError for malformed JSON,
// unknown fields, values of the wrong type or outside their field, and texts too long for it.
GenerationRequest ParseRecordJson(std::string_view json);

// Every field in record order, channel tables included, indented.
std::string RecordToJson(CardLine line, const DeviceSetup& record);

} // namespace doz::generators
