#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later

# quieter-diphones.pl GAIN IN.group OUT.group
#
# Writes a copy of a festival grouped diphone database (the .group file of
# an Italian festvox voice) whose LPC residuals are scaled by GAIN.
#
# Why: the Italian diphone voices drive festival's LPC resynthesis past the
# 16-bit range on loud vowels. The samples wrap around and the filter goes
# on from the wrapped values, so words get sharp clicks and short bursts of
# noise ("uno", "cinque", "c'è un solo bambino", ...). The filter is linear,
# so a quieter residual gives the same speech, quieter and undistorted;
# make-sounds brings the level back up afterwards.
#
# Layout of the file: a text header ending in "EST_Header_End", one index
# line per diphone ("NAME TRACK_OFFSET SIGNAL_OFFSET MID"), then the data:
# each offset counts from the end of the index. Each residual is a Sun .snd
# file, 8-bit mu-law. Only the residual samples change; every offset and
# length stays the same.
use strict;
use warnings;

@ARGV == 3 or die "usage: $0 GAIN IN.group OUT.group\n";
my ($gain, $in, $out) = @ARGV;
$gain > 0 && $gain <= 1 or die "$0: GAIN must be in (0, 1]\n";

# G.711 mu-law, as used by .snd encoding 1.
sub ulaw_decode {
    my $u = ~$_[0] & 0xff;
    my $exp = ($u >> 4) & 7;
    my $s = (((($u & 0x0f) << 3) + 0x84) << $exp) - 0x84;
    return ($u & 0x80) ? -$s : $s;
}

# Byte map: each code goes to the code whose value is nearest to GAIN times
# its own value (same sign).
my @value = map { ulaw_decode($_) } 0 .. 255;
my @map;
for my $c (0 .. 255) {
    my $want = $value[$c] * $gain;
    my ($best, $err);
    for my $d (0 .. 255) {
        next if ($value[$d] < 0) != ($value[$c] < 0) && $value[$d] != 0;
        my $e = abs($value[$d] - $want);
        ($best, $err) = ($d, $e) if !defined $err || $e < $err;
    }
    $map[$c] = chr $best;
}

open my $fh, '<:raw', $in or die "$0: $in: $!\n";
my $data = do { local $/; <$fh> };
close $fh;

my $hend = index($data, "EST_Header_End\n");
$hend >= 0 or die "$0: $in: not an EST grouped diphone file\n";
my ($n) = substr($data, 0, $hend) =~ /^NumEntries (\d+)$/m
    or die "$0: $in: no NumEntries\n";
substr($data, 0, $hend) =~ /^sig_file_format snd$/m
    or die "$0: $in: residuals are not in snd format\n";

my $pos = $hend + length "EST_Header_End\n";
my @sig;
for (1 .. $n) {
    my $nl = index($data, "\n", $pos);
    $nl >= 0 or die "$0: $in: index is cut short\n";
    my @f = split ' ', substr($data, $pos, $nl - $pos);
    @f == 4 or die "$0: $in: bad index line\n";
    push @sig, $f[2];
    $pos = $nl + 1;
}
my $base = $pos;

my $changed = 0;
for my $off (@sig) {
    my $o = $base + $off;
    substr($data, $o, 4) eq '.snd' or die "$0: $in: no .snd at $off\n";
    my ($hdr, $size, $enc, $rate, $ch) = unpack 'N5', substr($data, $o + 4, 20);
    $enc == 1 && $ch == 1 or die "$0: $in: residual at $off is not mono mu-law\n";
    $o + $hdr + $size <= length $data or die "$0: $in: residual at $off is cut short\n";
    substr($data, $o + $hdr, $size) =~ s/(.)/$map[ord $1]/gs;
    $changed++;
}

open $fh, '>:raw', $out or die "$0: $out: $!\n";
print $fh $data;
close $fh or die "$0: $out: $!\n";
print STDERR "quieter-diphones: $changed residuals scaled by $gain\n";
