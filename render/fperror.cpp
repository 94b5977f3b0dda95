#include "render/fperror.h"

namespace Fp {

void Raise(const char* message) {
    throw FloatingPointError(message);
}

} // namespace Fp
