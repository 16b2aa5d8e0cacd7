#include "app/DataFolders.h"

#include "data/folders/Datenordner.h"

DataFolders::DataFolders()
{
    // The folders may be missing on a first start; whatever fails here is
    // met again, with its message, where a file is actually read or written.
    CreateDataFolders();
}

DataFolders::~DataFolders()
{
    // Only an empty folder goes; one with files stays (rmdir refuses it).
    RemoveEmptyDataFolders();
}
