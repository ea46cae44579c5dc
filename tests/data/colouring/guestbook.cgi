#!/usr/bin/perl
# Shows the guest book and adds the new entry.
use strict;
my $file = "guests.txt";
print "Content-type: text/html\n\n";
print '<html><body>';
if (open(my $in, '<', $file)) {
    while (my $line = <$in>) {
        chomp $line;
        print "<p>$line</p>\n";
    }
    close $in;
}
print "<p>Thank you,
come again</p>";
print '</body></html>';
