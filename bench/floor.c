/* The floors of the bench, in plain C with no library but the C one: what no pass over an
 * archive and no durable export can go below on this machine.
 *   bench_floor read <archive>
 *       the archive read once from start to end in 128 KiB blocks, nothing done with the bytes
 *   bench_floor export <archive> <made.xls> <file.xls>
 *       the same read while as many bytes as the export <made.xls> holds are written to a new
 *       file beside <file.xls>, keeping pace with the reading, then fdatasync and rename over
 *       the old <file.xls>: a safe replacement of the file, with no cell made
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { kBlock = 1 << 17 };

static char block[kBlock];

static int fail(const char* what)
{
    perror(what);
    return 1;
}

static int readFloor(const char* archive)
{
    const int fd = open(archive, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(archive);
    long long total = 0;
    ssize_t n;
    while ((n = read(fd, block, kBlock)) > 0)
        total += n;
    close(fd);
    if (n < 0)
        return fail(archive);
    printf("%lld bytes\n", total);
    return 0;
}

static int writeAll(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n <= 0)
            return 0;
        bytes += n;
        size -= (size_t)n;
    }
    return 1;
}

/* As many bytes as the export, written from memory the processor has at hand, as an export
 * writes each piece it has just made: the export's first block, again and again. */
static int writeFrom(int fd, const char* piece, size_t pieceSize, long long count)
{
    while (count > 0) {
        const size_t size = count < (long long)pieceSize ? (size_t)count : pieceSize;
        if (!writeAll(fd, piece, size))
            return 0;
        count -= (long long)size;
    }
    return 1;
}

static int exportFloor(const char* archive, const char* made, const char* path)
{
    static char piece[kBlock];
    const int in = open(archive, O_RDONLY | O_CLOEXEC);
    const int source = open(made, O_RDONLY | O_CLOEXEC);
    struct stat archiveSize, madeSize;
    if (in < 0 || source < 0 || fstat(in, &archiveSize) != 0 || fstat(source, &madeSize) != 0)
        return fail("open");
    const ssize_t pieceSize = read(source, piece, kBlock);
    close(source);
    if (pieceSize <= 0)
        return fail(made);
    char temporary[4096];
    snprintf(temporary, sizeof temporary, "%s.floor-new", path);
    const int out = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0)
        return fail(temporary);
    /* Each block read brings its share of the export's bytes, as a pass writing rows does. */
    const double perByte =
        (double)madeSize.st_size / (double)(archiveSize.st_size > 0 ? archiveSize.st_size : 1);
    long long readSoFar = 0, written = 0;
    ssize_t n;
    while ((n = read(in, block, kBlock)) > 0) {
        readSoFar += n;
        const long long due = (long long)((double)readSoFar * perByte);
        if (due > written) {
            if (!writeFrom(out, piece, (size_t)pieceSize, due - written))
                return fail(temporary);
            written = due;
        }
    }
    if (n < 0)
        return fail(archive);
    close(in);
    if (!writeFrom(out, piece, (size_t)pieceSize, (long long)madeSize.st_size - written))
        return fail(temporary);
    if (fdatasync(out) != 0 || close(out) != 0)
        return fail(temporary);
    if (rename(temporary, path) != 0)
        return fail(path);
    printf("%lld bytes\n", (long long)madeSize.st_size);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "read") == 0)
        return readFloor(argv[2]);
    if (argc == 5 && strcmp(argv[1], "export") == 0)
        return exportFloor(argv[2], argv[3], argv[4]);
    fprintf(stderr, "usage: bench_floor read <archive> | export <archive> <made.xls> <file.xls>\n");
    return 2;
}
