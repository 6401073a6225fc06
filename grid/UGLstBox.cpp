// The popup list of the drop-list cell type.
#include "grid/UGDropListType.h"

bool CUGDropListType::OpenListWindow(int, long, CUGCell&, const std::vector<std::string>&) { return false; }

void CUGDropListType::CloseListWindow() { m_listBox = nullptr; }
