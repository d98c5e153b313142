// Preloaded into one engine run to measure how much of its time the writes' syncs take.
extern "C" int fsync(int)
{
    return 0;
}

extern "C" int fdatasync(int)
{
    return 0;
}

extern "C" int syncfs(int)
{
    return 0;
}
