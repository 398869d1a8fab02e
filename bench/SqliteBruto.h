// The raw SQLite calls the benchmarks compare the store against: any
// failure ends the benchmark with SQLite's text.
#pragma once

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

inline void exec(sqlite3* db, const char* sql) {
    char* erro = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &erro) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, erro);
        std::exit(1);
    }
}

inline sqlite3_stmt* preparar(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
        std::exit(1);
    }
    return st;
}

// Steps the statement once and resets it for the next bindings.
inline void passo(sqlite3* db, sqlite3_stmt* st) {
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    sqlite3_reset(st);
}

inline double segundos(long long ns) {
    return double(ns) / 1e9;
}
