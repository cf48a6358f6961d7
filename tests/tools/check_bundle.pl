#!/usr/bin/perl
# Reads every handheld file of a sample bundle with Palm::PDB, a reader
# that shares nothing with the script that wrote them, and checks that the
# bundle holds exactly the files the chooser can name, each with the kind
# of database, type and creator its name promises.
# Usage: check_bundle.pl BUNDLEDIR
use strict;
use warnings;
use File::Find;
use Palm::PDB;
use Palm::Raw;
Palm::PDB::RegisterPRCHandlers("Palm::Raw", "");  # resource databases too
use Test::More;

my $root = shift or die "usage: check_bundle.pl BUNDLEDIR\n";

# path => [resource database?, type, creator]
my %expected = (
  'KIVOTW2K/KIVOIME.PRC'       => [1, 'appl', 'KvIM'],
  'KIVOTW2K/CODEB5.PDB'        => [0, 'Code', 'KvIM'],
  'KIVOTW2K/CODEHK.PDB'        => [0, 'Code', 'KvIM'],
  'KIVOTW2K/PINYIN.PDB'        => [0, 'Pyin', 'KvIM'],
  'KIVOTW2K/ZHUYIN.PDB'        => [0, 'Zhuy', 'KvIM'],
  'KIVOTW2K/STROKE.PDB'        => [0, 'Strk', 'KvIM'],
  'KIVOTW2K/EXTRA.PDB'         => [0, 'Xtra', 'KvIM'],
  'KIVOTW2K/ASSOC.PDB'         => [0, 'Assc', 'KvIM'],
  'KIVOTW2K/PHRASES.PDB'       => [0, 'Phrs', 'KvIM'],
  'KIVOTW2K/KVDICT/KVDICT.PRC' => [1, 'appl', 'KvDc'],
  'KIVOTW2K/KVDICT/WORDS.PDB'  => [0, 'Word', 'KvDc'],
  'KIVOTW2K/KVDICT/MEANS.PDB'  => [0, 'Mean', 'KvDc'],
  'KIVOOS/KIVOOS.PRC'          => [1, 'appl', 'KvOS'],
  'ZHCONV/ZHCONV.PRC'          => [1, 'appl', 'KvCv'],
  'ZHCONV/B5TOGB.PDB'          => [0, 'Map ', 'KvCv'],
  'ZHCONV/GBTOB5.PDB'          => [0, 'Map ', 'KvCv'],
);
$expected{"KIVOOS/FONT$_.PDB"} = [0, 'Font', 'KvOS'] for qw(B1 B2 B3 G1 G2 G3);

my @found;
find({ no_chdir => 1, wanted => sub {
  return unless -f $_;
  (my $relative = $File::Find::name) =~ s{^\Q$root\E/?}{};
  push @found, $relative;
}}, $root);

is_deeply([sort grep { !/REGINFO\.TXT$/ } @found], [sort keys %expected],
          'the bundle holds exactly the handheld files the chooser names');
ok(-s "$root/KIVOTW2K/REGINFO.TXT", 'the registration text is there');

# The header and entry list read by hand: the list must fit in the file and
# every entry's data must start after the list, in order, inside the file.
sub layout_ok {
  my ($path, $resource) = @_;
  open my $in, '<:raw', $path or return 0;
  my $size = -s $in;
  local $/;
  my $bytes = <$in>;
  return 0 if $size < 78;
  my $count = unpack 'n', substr($bytes, 76, 2);
  my $entry = $resource ? 10 : 8;
  my $data = 78 + $entry * $count + 2;
  return 0 if $count == 0 || $data > $size;
  my $last = $data;
  for my $i (0 .. $count - 1) {
    my $raw = substr($bytes, 78 + $entry * $i, $entry);
    my $offset = $resource ? unpack('x6 N', $raw) : unpack('N', $raw);
    return 0 if $offset < $last || $offset >= $size;
    $last = $offset;
  }
  return 1;
}

my %names;
for my $path (sort keys %expected) {
  my ($resource, $type, $creator) = @{$expected{$path}};
  ok(layout_ok("$root/$path", $resource), "$path entry list and data lie inside the file");
  my $pdb = Palm::PDB->new;
  my $loaded = eval { $pdb->Load("$root/$path") };
  ok($loaded, "$path parses") or diag($@), next;
  is($pdb->{type}, $type, "$path type");
  is($pdb->{creator}, $creator, "$path creator");
  like($pdb->{name}, qr/^(Kivo|ZhConv)[A-Za-z0-9]*$/, "$path database name");
  ok(!$names{$pdb->{name}}++, "$path has its own database name '$pdb->{name}'");
  if ($resource) {
    ok($pdb->{attributes}{resource}, "$path is a resource database");
    my %kinds = map { ("$_->{type} $_->{id}" => length $_->{data}) } @{$pdb->{resources}};
    ok($kinds{'code 0'} && $kinds{'code 1'} && $kinds{'tAIN 1000'},
       "$path has code 0, code 1 and its name resource");
  } else {
    ok(!$pdb->{attributes}{resource}, "$path is a record database");
    my @records = @{$pdb->{records}};
    ok(@records > 0, "$path has records");
    ok(!(grep { !length $_->{data} } @records), "$path has no empty record");
    my %ids = map { ($_->{id} => 1) } @records;
    is(scalar(keys %ids), scalar(@records), "$path record ids are unique");
  }
}
done_testing();
