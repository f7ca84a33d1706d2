// Opening and saving documents for the sub-commands, with the failure printed on stderr.
#pragma once
#include <string>

class m_DataBase;

// Loads `path` (a data or a default file) into `db`; false after printing why it cannot be read.
bool OpenDocumentOrSay(m_DataBase& db, const std::string& path);
// Saves `db` at `path` in its current kind; false after printing why it was not saved.
bool SaveDocumentOrSay(m_DataBase& db, const std::string& path, bool settingsEdited);
