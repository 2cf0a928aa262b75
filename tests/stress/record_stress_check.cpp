// The stress test's verdict on one record file after several record_stress processes saved into it
// at once: exactly one byte-order mark and header, at the start; every save a process reported saved
// present exactly once as a whole line; no save reported failed present; no torn or unexpected line;
// every process reported all its saves. Prints the counts in one line and exits 1 on any fault.
// Usage: record_stress_check <record file> <saves per process> <report>... where a report is the
// output of one process, "fail:<report>" for a process whose writes all fail (all reported failed).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

static const std::string BOM = "\xEF\xBB\xBF";
static const std::string HEADER = "时间,工具,序号,结果\r\n";

static std::string read_all(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

static int occurrences(const std::string& text, const std::string& piece) {
    int n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) n++;
    return n;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: record_stress_check <record file> <saves per process> [fail:]<report>...\n");
        return 2;
    }
    int per_process = atoi(argv[2]);
    int faults = 0;
    // Marker -> what its process reported: 1 saved, 0 failed.
    std::map<std::string, int> reported;
    int saved = 0, failed = 0;
    for (int i = 3; i < argc; i++) {
        bool all_fail = strncmp(argv[i], "fail:", 5) == 0;
        const char* path = all_fail ? argv[i] + 5 : argv[i];
        std::istringstream lines(read_all(path));
        std::string word, marker;
        int seen = 0, saved_here = 0;
        while (lines >> word >> marker) {
            if (word == "failed") lines.ignore(1 << 20, '\n');
            if ((word != "saved" && word != "failed") || reported.count(marker)) {
                fprintf(stderr, "%s: unexpected report \"%s %s\"\n", path, word.c_str(), marker.c_str());
                faults++;
                continue;
            }
            reported[marker] = word == "saved";
            seen++;
            saved_here += word == "saved";
        }
        saved += saved_here;
        failed += seen - saved_here;
        if (seen != per_process) {
            fprintf(stderr, "%s: %d saves reported, %d expected\n", path, seen, per_process);
            faults++;
        }
        if (all_fail && saved_here > 0) {
            fprintf(stderr, "%s: %d saves reported saved by a process whose writes all fail\n", path, saved_here);
            faults++;
        }
    }

    std::string bytes = read_all(argv[1]);
    // Beyond the first; a missing first one is the fault of the start, below.
    int extra_boms = occurrences(bytes, BOM) > 1 ? occurrences(bytes, BOM) - 1 : 0;
    int extra_headers = occurrences(bytes, HEADER) > 1 ? occurrences(bytes, HEADER) - 1 : 0;
    bool starts = bytes.compare(0, BOM.size() + HEADER.size(), BOM + HEADER) == 0;
    if (!starts) {
        fprintf(stderr, "the file does not start with the byte-order mark and the header\n");
        faults++;
    }
    // A record line: timestamp, tool, "序号=<save>", marker "P<process>-S<save>" with the same save.
    static const std::regex LINE("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d,压力测试,序号=(\\d+),(P\\d+-S(\\d{4}))");
    std::map<std::string, int> present;
    int lines = 0, torn = 0;
    size_t at = starts ? BOM.size() + HEADER.size() : 0;
    while (at < bytes.size()) {
        size_t end = bytes.find("\r\n", at);
        std::string line = bytes.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? bytes.size() : end + 2;
        std::smatch m;
        bool whole = end != std::string::npos && std::regex_match(line, m, LINE) &&
                     atoi(m[1].str().c_str()) == atoi(m[3].str().c_str()) && reported.count(m[2].str());
        if (!whole) {
            if (torn < 5) fprintf(stderr, "torn or unexpected line: \"%s\"\n", line.c_str());
            torn++;
            continue;
        }
        lines++;
        present[m[2].str()]++;
    }
    int lost = 0, duplicated = 0, failed_present = 0;
    for (const auto& [marker, was_saved] : reported) {
        int n = present.count(marker) ? present[marker] : 0;
        if (was_saved && n == 0) lost++;
        if (n > 1) duplicated++;
        if (!was_saved && n > 0) failed_present++;
    }
    printf("saves %d, reported saved %d, reported failed %d, lines present %d, lost %d, torn %d, "
           "extra headers %d, extra byte-order marks %d, duplicated %d, reported failed but present %d\n",
           saved + failed, saved, failed, lines, lost, torn, extra_headers, extra_boms, duplicated, failed_present);
    faults += lost + torn + extra_headers + extra_boms + duplicated + failed_present;
    return faults ? 1 : 0;
}
