// What the user reads when the engine refuses something.
#pragma once

#include <QString>

#include <cstdint>

namespace doz::taskwizard {

// A sentence for a negative engine result.
QString engineErrorText(int32_t error);

} // namespace doz::taskwizard
