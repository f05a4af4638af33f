// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <array>
#include <string_view>

#include "history/history_types.h"

// How the store's rows turn into the history's structs and back.
namespace tarvex::history {

inline QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

template <std::size_t N>
QByteArray blob(const std::array<std::uint8_t, N>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(N));
}

// The bytes of a blob column; missing bytes stay zero.
template <std::size_t N>
std::array<std::uint8_t, N> bytes_of(const QVariant& v) {
    std::array<std::uint8_t, N> out{};
    const QByteArray b = v.toByteArray();
    std::copy_n(reinterpret_cast<const std::uint8_t*>(b.constData()),
                std::min<std::size_t>(N, static_cast<std::size_t>(b.size())), out.begin());
    return out;
}

// The columns the readers below expect, in this order.
constexpr const char* kSnapshotColumns =
    "id, seq, time, kind, note, vehicle, program, settings1, settings2, att_init, status";
constexpr const char* kEntryColumns =
    "id, seq, time, change_id, source, code, key, value_before, value_sent, ack_count, ack,"
    " value_shown, state, vehicle, program";

Snapshot snapshot_from(const QSqlQuery& q);
JournalEntry entry_from(const QSqlQuery& q);

}  // namespace tarvex::history
