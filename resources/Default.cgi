#!/usr/bin/perl

print "Content-type: text/html\n\n";
print "<html>\n";
print "<body>\n";
print "";
print "</body>\n";
print "</html>\n";
__END__
