// SPDX-License-Identifier: MIT
#include "history/program_history.h"

namespace tarvex::history {

std::unique_ptr<ProgramHistory> ProgramHistory::open(const std::string& path, std::string program,
                                                     StoreError& error, int busy_timeout_ms) {
    auto store = HistoryStore::open(path, std::move(program), error, busy_timeout_ms);
    if (!store)
        return nullptr;
    return std::unique_ptr<ProgramHistory>(new ProgramHistory(std::move(store)));
}

void ProgramHistory::attach(LinkState& link, const ControllerImage& image) {
    link.journal = &journal_;
    journal_.snapshot_before_changes(link, image);
}

}  // namespace tarvex::history
