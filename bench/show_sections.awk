# What kestrune-cli show is measured against: each section of a template on one line, its
# name and its values.
{ sub(/\r$/, "") } /^\[/ { if (s != "") print s "\t" v; s = substr($0, 2, length($0) - 2); v = ""; next }
/=/ { v = v (v == "" ? "" : " ") substr($0, index($0, "=") + 1) } END { if (s != "") print s "\t" v }
