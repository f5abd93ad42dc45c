#include "platform/program_folders.h"

#include "platform/system_services.h"
#include "storage/file_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dvk {
namespace {

// The files a portable program keeps beside itself, and which installed folder takes each.
enum class Place { Settings, Recovery };
struct PortableFile {
    const char* name;
    Place place;
};
constexpr PortableFile portable_files[] = {
    {"dvk.ini", Place::Settings},
    {"arrange.txt", Place::Settings},
    {"arrange_com.txt", Place::Settings},
    {"dvk.tmp", Place::Recovery},
};

// A configured build folder always holds CMake's cache beside the executable.
constexpr const char* build_folder_marker = "CMakeCache.txt";

std::filesystem::path or_else(const std::filesystem::path& path,
                              const std::filesystem::path& fallback) {
    return path.empty() ? fallback : path;
}

std::filesystem::path to_path(const QString& text) {
    return text.isEmpty() ? std::filesystem::path() : std::filesystem::path(text.toStdString());
}

bool exists_beside(const QDir& folder, const char* name) {
    return QFileInfo::exists(folder.filePath(QString::fromLatin1(name)));
}

StandardFolders standard_folders() {
    StandardFolders standard;
    standard.config = to_path(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    standard.app_data =
        to_path(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    standard.documents =
        to_path(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return standard;
}

} // namespace

FolderMode choose_folder_mode(const FolderFacts& facts) {
    if (facts.command_line.has_value()) {
        return *facts.command_line;
    }
    if (facts.environment.has_value()) {
        return *facts.environment;
    }
    if ((facts.files_beside_program || facts.build_folder) && facts.program_folder_writable) {
        return FolderMode::Portable;
    }
    return FolderMode::Installed;
}

ProgramFolders ProgramFolders::portable(const std::filesystem::path& folder) {
    ProgramFolders folders;
    folders.mode = FolderMode::Portable;
    folders.program_folder = folder;
    folders.settings_folder = folder;
    folders.recovery_folder = folder;
    folders.data_folder = folder / "data";
    return folders;
}

ProgramFolders program_folders(FolderMode mode, const std::filesystem::path& program_folder,
                               const StandardFolders& standard) {
    ProgramFolders folders = ProgramFolders::portable(program_folder);
    if (mode == FolderMode::Portable) {
        return folders;
    }
    folders.mode = FolderMode::Installed;
    folders.settings_folder = or_else(standard.config, folders.settings_folder);
    folders.recovery_folder = or_else(standard.app_data, folders.recovery_folder);
    folders.data_folder =
        standard.documents.empty() ? folders.recovery_folder / "data" : standard.documents / "dvk";
    return folders;
}

bool has_portable_option(const QStringList& arguments) {
    return arguments.indexOf(QStringLiteral("--portable"), 1) >= 1;
}

std::optional<FolderMode> folder_mode_named(const QString& value) {
    if (value == QLatin1String("portable")) {
        return FolderMode::Portable;
    }
    if (value == QLatin1String("installed")) {
        return FolderMode::Installed;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> adopt_portable_files(const ProgramFolders& folders) {
    std::vector<std::filesystem::path> adopted;
    if (folders.mode != FolderMode::Installed) {
        return adopted;
    }
    for (const PortableFile& file : portable_files) {
        const std::filesystem::path source = folders.program_folder / file.name;
        const std::filesystem::path target =
            (file.place == Place::Settings ? folders.settings_folder : folders.recovery_folder) /
            file.name;
        if (source == target || file_is_plain(target) || !file_is_plain(source)) {
            continue;
        }
        const FileContents contents = read_whole_file(source);
        if (contents.ok && create_folder_path(target.parent_path()) &&
            write_whole_file(target, contents.bytes).ok) {
            adopted.push_back(target);
        }
    }
    return adopted;
}

ProgramFolders find_program_folders(const QStringList& arguments) {
    const QString folder = program_folder();
    const QDir dir(folder);
    FolderFacts facts;
    if (has_portable_option(arguments)) {
        facts.command_line = FolderMode::Portable;
    }
    facts.environment = folder_mode_named(qEnvironmentVariable(folders_variable));
    facts.files_beside_program = exists_beside(dir, "dvk.ini") || exists_beside(dir, "dvk.tmp");
    facts.build_folder = exists_beside(dir, build_folder_marker);
    facts.program_folder_writable = QFileInfo(folder).isWritable();

    const ProgramFolders folders =
        program_folders(choose_folder_mode(facts), to_path(folder), standard_folders());
    if (folders.mode == FolderMode::Installed) {
        create_folder_path(folders.settings_folder);
        create_folder_path(folders.recovery_folder);
        adopt_portable_files(folders);
    }
    return folders;
}

} // namespace dvk
