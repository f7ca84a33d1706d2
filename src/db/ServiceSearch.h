// The logic of the "Search Service" dialog, kept apart from its widgets: it narrows the service
// view to the names that begin with the typed text and remembers the chosen service.
#pragma once
#include <string>
#include <vector>

class m_DataBase;

class ServiceSearch {
public:
  struct Row {
    int slot;
    std::string index;  // the slot number plus one
    std::string name;
  };

  explicit ServiceSearch(m_DataBase& db) : m_db(db) {}

  // The dialog is shown: no result, empty text, empty grid.
  void Show();
  // The text changed: rebuilds the view, narrows it and returns the grid rows.
  const std::vector<Row>& TextChanged(const std::string& text);
  // "Find" or a double click with the grid on row selectedRow (from 1); returns the result.
  int Find(int selectedRow);
  // "Cancel": no result.
  void Cancel();

  int Result() const { return m_result; }
  const std::vector<Row>& Rows() const { return m_rows; }
  // Rows of the grid including its head row (at least 2).
  int GridRowCount() const { return static_cast<int>(m_rows.size()) + 1 < 2 ? 2 : static_cast<int>(m_rows.size()) + 1; }

private:
  void Close();

  m_DataBase& m_db;
  std::vector<Row> m_rows;
  int m_result = -1;
};
