// Every used record of a database, decoded, as JSON (snake_case keys, one array per table) or
// as plain text.
#pragma once
#include <string>

class m_DataBase;

std::string DumpJson(const m_DataBase& db);
std::string DumpText(const m_DataBase& db);
