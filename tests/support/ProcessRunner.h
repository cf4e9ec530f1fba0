// Runs a program as a child process in a given folder and captures its exit
// code, standard output and standard error as raw bytes.
#pragma once

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                                const std::filesystem::path& workDir) {
    std::filesystem::path outFile = workDir / ".stdout", errFile = workDir / ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    std::vector<char*> argv;
    std::string prog = program.string();
    argv.push_back(prog.data());
    std::vector<std::string> copies(args);
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, prog.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + prog);
    int status = 0;
    waitpid(pid, &status, 0);
    ProcessResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = ReadFileBytes(outFile);
    r.err = ReadFileBytes(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return r;
}

// A fresh folder holding a copy of the job, removed with the object.
class JobFolder {
public:
    JobFolder() { std::filesystem::copy_file(ORVANTA_BINARY_DIR "/imprimir-pedido", Job()); }

    const std::filesystem::path& Dir() const { return FDir.Path(); }
    std::filesystem::path Job() const { return Dir() / "imprimir-pedido"; }
    std::filesystem::path Log() const { return Dir() / "imprimir-pedido.log"; }
    std::filesystem::path Ini() const { return Dir() / "imprimir-pedido.ini"; }

    ProcessResult Run(const std::vector<std::string>& args) const { return RunProcess(Job(), args, Dir()); }
    std::string LogBytes() const { return ReadFileBytes(Log()); }
    void WriteIni(const std::string& bytes) const {
        std::ofstream(Ini(), std::ios::binary) << bytes;
    }

private:
    TempFolder FDir{"orvanta-job"};
};

// Joins lines with CRLF after each, as the job writes them.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

} // namespace orv::test
