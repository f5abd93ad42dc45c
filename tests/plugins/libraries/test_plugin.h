/* Helpers the test plug-ins share: a log file named by the command line. */
#ifndef DVK_TEST_PLUGIN_H
#define DVK_TEST_PLUGIN_H

#include <dvk/plugin.h>

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

static inline void copy_text(char* field, size_t size, const char* text) {
    const size_t length = strnlen(text, size - 1);
    memcpy(field, text, length);
    field[length] = '\0';
}

/* Appends one line to the file named by the part of the command line before any blank. */
static inline void log_line(const dvk_plugin_info* info, const char* format, ...) {
    char path[DVK_TEXT_SIZE];
    copy_text(path, sizeof(path), info->cmd_line);
    char* blank = strchr(path, ' ');
    if (blank != NULL) {
        *blank = '\0';
    }
    FILE* file = fopen(path, "a");
    if (file == NULL) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    vfprintf(file, format, arguments);
    va_end(arguments);
    fputc('\n', file);
    fclose(file);
}

#endif
