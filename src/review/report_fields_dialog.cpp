// SPDX-License-Identifier: MIT
#include "review/report_fields_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <array>

namespace tarvex {

bool ask_report_fields(QWidget* owner, ReportFields& fields) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("Review", "Report for the customer"));
    auto* form = new QFormLayout(&dialog);
    // Labelled as the report labels them.
    const std::array<std::pair<QString, QString*>, 4> rows{{
        {QCoreApplication::translate("Report", "Vehicle"), &fields.vehicle},
        {QCoreApplication::translate("Report", "Registration"), &fields.registration},
        {QCoreApplication::translate("Report", "Customer"), &fields.customer},
        {QCoreApplication::translate("Report", "Fitter"), &fields.fitter},
    }};
    std::array<QLineEdit*, 4> edits{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        edits[i] = new QLineEdit(*rows[i].second);
        edits[i]->setMinimumWidth(280);
        form->addRow(rows[i].first, edits[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (std::size_t i = 0; i < rows.size(); ++i)
        *rows[i].second = edits[i]->text().trimmed();
    return true;
}

}  // namespace tarvex
