/* Preloaded into dvk by the crash tests: stops the process (SIGSTOP) just before the N-th
 * rename whose source path contains DVK_E2E_STOP_RENAME, so that the test can kill it there,
 * with the new file written and flushed but not yet in place. N is DVK_E2E_STOP_RENAME_AT
 * (default 1). Without the variable every rename goes through untouched. */

#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int (*rename_function)(const char*, const char*);

static int renames_seen = 0;

int rename(const char* from, const char* to) {
    /* Copied rather than cast: ISO C has no conversion from an object to a function pointer. */
    void* symbol = dlsym(RTLD_NEXT, "rename");
    rename_function next;
    memcpy(&next, &symbol, sizeof next);
    const char* pattern = getenv("DVK_E2E_STOP_RENAME");
    if (pattern != NULL && pattern[0] != '\0' && strstr(from, pattern) != NULL) {
        const char* at = getenv("DVK_E2E_STOP_RENAME_AT");
        const int wanted = at != NULL ? atoi(at) : 1;
        if (++renames_seen == wanted) {
            raise(SIGSTOP);
        }
    }
    return next(from, to);
}
