// Placeholder: the data-file class (container, flash image).
#pragma once

class m_DLDFile {
public:
  virtual ~m_DLDFile() = default;
};
