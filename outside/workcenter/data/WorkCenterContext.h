#pragma once

#include <SqliteDatabase.h>

#include <filesystem>
#include <memory>
#include <string>

namespace ktr::workcenter {

// Interface languages of the message catalogue and the windows, chosen by code page.
enum class Language { Simplified, Traditional, English };

// What the manager and its three services share: the database and the interface code page.
struct WorkCenterContext {
    std::shared_ptr<store::Database> db;
    std::string codePage; // "936", "950" or "437"
    std::filesystem::path installFolder;

    Language language() const;
};

// The interface code page of this machine, from the locale (LC_ALL, else LC_MESSAGES, else
// LANG): Chinese of the mainland or Singapore "936", of Taiwan or Hong Kong "950", else "437".
std::string localeCodePage();

// The folder that holds libktrworkcenter.
std::filesystem::path workCenterLibraryFolder();

// Picks one of three texts by language.
const char *pickText(Language language, const char *simplified, const char *traditional,
                     const char *english);

} // namespace ktr::workcenter
