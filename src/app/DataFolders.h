#pragma once

// The data folder and the per-user folder for as long as the program runs:
// made, with their missing parents, when it starts and removed at its end,
// each only if it is empty.
class DataFolders
{
public:
    DataFolders();
    ~DataFolders();
    DataFolders(const DataFolders &) = delete;
    DataFolders &operator=(const DataFolders &) = delete;
};
