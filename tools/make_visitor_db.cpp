// Makes the empty visitor database the application ships: make_visitor_db
// SCHEMA.sql OUT.db runs the schema into a new file beside OUT and renames it
// over OUT, so an interrupted build never leaves half a database.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_visitor_db SCHEMA.sql OUT.db\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream schema;
    schema << in.rdbuf();
    if (!in || schema.str().empty()) {
        std::fprintf(stderr, "can not read %s\n", argv[1]);
        return 1;
    }
    const std::string out = argv[2];
    const std::string tmp = out + ".part";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(tmp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "can not create %s\n", tmp.c_str());
        sqlite3_close(db);
        return 1;
    }
    char* err = nullptr;
    const int rc = sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK)
        std::fprintf(stderr, "%s\n", err ? err : "schema failed");
    sqlite3_free(err);
    if (sqlite3_close(db) != SQLITE_OK || rc != SQLITE_OK) {
        std::remove(tmp.c_str());
        return 1;
    }
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::remove(tmp.c_str());
        return 1;
    }
    return 0;
}
