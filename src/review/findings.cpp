// SPDX-License-Identifier: MIT
#include "review/findings.h"

namespace tarvex {

DriveFindings analyse_drive(const DriveSamples& d, const ReviewThresholds& limits) {
    return {find_events(d, limits), check_lambda(d, limits), check_actuator(d, limits)};
}

}  // namespace tarvex
