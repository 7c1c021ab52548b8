#include "storage/files/SizedRead.h"

#include <QFile>

namespace wl {

ReadOutcome readBySize(const std::string& path, const Layout& current, std::int64_t currentBytes,
                       OldLayoutLookup oldLayout, ShowTables& tables) {
    ReadOutcome outcome;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.status = ReadOutcome::Status::Failed;
        outcome.failure = file.errorString().toStdString();
        return outcome;
    }
    outcome.size = file.size();
    const Layout* layout = nullptr;
    if (outcome.size == currentBytes) {
        layout = &current;
    } else if (const OldLayout* old = oldLayout(outcome.size)) {
        outcome.version = old->version;
        if (!old->readable) {
            outcome.status = ReadOutcome::Status::UnreadableOlder;
            return outcome;
        }
        layout = &old->blocks;
    } else {
        return outcome;
    }
    outcome.failure = readBlocks(file, *layout, tables);
    outcome.status =
        outcome.failure.empty() ? ReadOutcome::Status::Loaded : ReadOutcome::Status::Failed;
    return outcome;
}

}  // namespace wl
