// SPDX-License-Identifier: MIT
#include "history/history_types.h"

#include <utility>

namespace tarvex::history {

namespace {

template <typename E, std::size_t N>
using Names = std::array<std::pair<E, std::string_view>, N>;

constexpr Names<SnapshotKind, 6> kKinds{{
    {SnapshotKind::AsFound, "as-found"},
    {SnapshotKind::BeforeFile, "before-file"},
    {SnapshotKind::BeforeReset, "before-reset"},
    {SnapshotKind::BeforeUndo, "before-undo"},
    {SnapshotKind::BeforeRestore, "before-restore"},
    {SnapshotKind::ByHand, "by-hand"},
}};

constexpr Names<EntryState, 5> kStates{{
    {EntryState::Pending, "pending"},
    {EntryState::Acknowledged, "acknowledged"},
    {EntryState::NotAcknowledged, "not-acknowledged"},
    {EntryState::Confirmed, "confirmed"},
    {EntryState::NotHeld, "not-held"},
}};

constexpr Names<ChangeSource, 10> kSources{{
    {ChangeSource::Unnamed, "unnamed"},
    {ChangeSource::Pick, "pick"},
    {ChangeSource::Emulation, "emulation-dialog"},
    {ChangeSource::File, "file"},
    {ChangeSource::Comparison, "comparison"},
    {ChangeSource::Reset, "reset"},
    {ChangeSource::Learning, "learning"},
    {ChangeSource::Undo, "undo"},
    {ChangeSource::Restore, "restore"},
    {ChangeSource::Cli, "cli"},
}};

template <typename E, std::size_t N>
std::string_view name_of(const Names<E, N>& names, E value) {
    for (const auto& [e, name] : names)
        if (e == value)
            return name;
    return {};
}

template <typename E, std::size_t N>
std::optional<E> value_of(const Names<E, N>& names, std::string_view name) {
    for (const auto& [e, n] : names)
        if (n == name)
            return e;
    return std::nullopt;
}

}  // namespace

std::string_view kind_name(SnapshotKind kind) {
    return name_of(kKinds, kind);
}
std::string_view state_name(EntryState state) {
    return name_of(kStates, state);
}
std::string_view source_name(ChangeSource source) {
    return name_of(kSources, source);
}
std::optional<SnapshotKind> kind_from_name(std::string_view name) {
    return value_of(kKinds, name);
}
std::optional<EntryState> state_from_name(std::string_view name) {
    return value_of(kStates, name);
}
std::optional<ChangeSource> source_from_name(std::string_view name) {
    return value_of(kSources, name);
}

std::string key_for_code(std::uint8_t code) {
    if (code == kCommandCode)
        return "ControllerCommand";
    const SettingDef* def = find_setting_by_code(code);
    return def ? std::string(def->key) : std::string();
}

Snapshot snapshot_of(const ControllerImage& image) {
    Snapshot s;
    s.settings1 = image.SettingsBlock1;
    s.settings2 = image.SettingsBlock2;
    s.att_init = image.AttInit();
    s.status = image.StatusFrame;
    return s;
}

SettingValues image_values(const ControllerImage& image) {
    SettingValues v{};
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        v[i] = setting_value(image, kSettings[i]);
    return v;
}

SettingValues snapshot_values(const Snapshot& snapshot) {
    ControllerImage image;
    image.SettingsBlock1 = snapshot.settings1;
    image.SettingsBlock2 = snapshot.settings2;
    image.LiveFrame[live::AttInit] = snapshot.att_init;
    return image_values(image);
}

}  // namespace tarvex::history
