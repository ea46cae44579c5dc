#include <stdio.h>
#include <string.h>

/* Counts the words of standard input.
   A word is a run of characters that are not blank. */
int main(void)
{
    char line[256];
    long words = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        int inWord = 0;
        for (char *p = line; *p != '\0'; p++) {
            if (*p == ' ' || *p == '\t' || *p == '\n')
                inWord = 0;
            else if (!inWord) { inWord = 1; words++; }
        }
    }
    printf("%ld words, \"quoted\" // not a comment\n", words);
    return 0; // done
}
