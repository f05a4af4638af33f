// SPDX-License-Identifier: MIT
#pragma once

#include "review/report/drive_report.h"

class QWidget;

namespace tarvex {

// Asks for the fields the fitter types on a report (vehicle, registration,
// customer, fitter), starting from those given. False when cancelled, and
// fields are left as they were.
bool ask_report_fields(QWidget* owner, ReportFields& fields);

}  // namespace tarvex
