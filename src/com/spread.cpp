#include "com/spread.h"

namespace dvk {

Spread spread_of_size(double sigma) {
    return {sigma * sideways_to_vertical, sigma / sideways_to_vertical, sigma};
}

} // namespace dvk
